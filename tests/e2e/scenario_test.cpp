// Whole runs as users live them (tests/scenarios/scenarios.cpp): what the
// user saw, what ran in which order, what is installed, what stays in the
// registry and which address was opened. Each test has a Wine prefix of its
// own.
#include <gtest/gtest.h>
#include <algorithm>
#include <iterator>
#include "scenario.h"
#include "test_files.h"
#include "test_paths.h"
#include "wine_limits.h"

// The source folder and the log's folder, which setup names by their short
// forms where the code page lacks a character of them.
static std::vector<std::string> FoldersOf(const Scenario& scenario)
{
    const std::string& log = scenario.expected.logFile;
    return {scenario.machine.sourceFolder, log.substr(0, log.find_last_of('\\'))};
}

// Each text in a line of setup's log, in this order.
static void ExpectLogged(const Scenario& scenario)
{
    const Expected& expected = scenario.expected;
    if (expected.logged.empty())
        return;
    std::vector<std::string> lines = ReadTextLines(expected.logFile);
    size_t line = 0;
    for (const std::string& text : expected.logged) {
        std::string named = WithShortForms(text, FoldersOf(scenario));
        while (line < lines.size() && lines[line].find(named) == std::string::npos)
            ++line;
        ASSERT_LT(line, lines.size()) << "not logged in order: " << named;
    }
}

static void Check(const char* name)
{
    const Scenario* scenario = FindScenario(name);
    ASSERT_NE(nullptr, scenario) << name;
    Outcome outcome = Play(*scenario);
    const Expected& expected = scenario->expected;

    ASSERT_TRUE(outcome.run.ended) << "setup did not end";
    EXPECT_EQ(expected.exitCode, outcome.run.exitCode);
    bool icons = CanReadMessageBoxIcons("the icons of the message boxes");
    std::vector<std::string> wanted, seen;
    for (const ExpectedWindow& window : expected.windows)
        wanted.push_back(Describe(window, icons));
    for (const SeenWindow& window : outcome.run.windows)
        seen.push_back(Describe(window, icons));
    EXPECT_EQ(wanted, seen);
    std::vector<std::string> programs;
    for (const std::string& program : expected.programs)
        programs.push_back(WithShortForms(program, FoldersOf(*scenario)));
    EXPECT_EQ(programs, outcome.programs);
    EXPECT_EQ(expected.productInstalled, ProductInstalled());
    EXPECT_EQ(expected.addOnEntriesWritten, AddOnEntriesWritten());
    if (expected.machineKeysAsPlanted)
        EXPECT_TRUE(MachineKeysAsPlanted());
    EXPECT_EQ(ExpectedAddresses(expected), outcome.addresses);
    EXPECT_EQ(std::vector<std::string>{}, outcome.plantedLoaded);
    ExpectLogged(*scenario);
    if (!expected.fileManagerExtension.empty()) {
        char entry[MAX_PATH] = "";
        GetPrivateProfileStringA("AddOns", "Tarvex", "", entry, sizeof entry, "winfile.ini");
        EXPECT_EQ(expected.fileManagerExtension, entry);
    }
}

// The text between start and the next end in each line that begins with
// lineStart, sorted; a name that appears twice appears twice.
static std::vector<std::string> NamesIn(const std::vector<std::string>& lines, const std::string& lineStart,
                                        const std::string& start, const std::string& end)
{
    std::vector<std::string> names;
    for (const std::string& line : lines) {
        size_t from = line.find(start);
        if (line.compare(0, lineStart.size(), lineStart) != 0 || from == std::string::npos)
            continue;
        from += start.size();
        names.push_back(line.substr(from, line.find(end, from) - from));
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The lines of the README's section on scenarios, up to the next section.
static std::vector<std::string> ReadmeScenarioSection()
{
    std::vector<std::string> lines = ReadTextLines(TEST_SOURCE_DIR "\\README.md"), section;
    auto line = std::find(lines.begin(), lines.end(), "## Scenarios");
    if (line != lines.end())
        ++line;
    for (; line != lines.end() && line->compare(0, 3, "## ") != 0; ++line)
        section.push_back(*line);
    return section;
}

// The scenarios of the table that a file does not name, and the names in it
// that are no scenario of the table or name one twice.
static void ExpectEveryScenarioNamedOnce(const std::vector<std::string>& table, const std::vector<std::string>& named,
                                         const char* file)
{
    std::vector<std::string> unnamed, unknown;
    std::set_difference(table.begin(), table.end(), named.begin(), named.end(), std::back_inserter(unnamed));
    std::set_difference(named.begin(), named.end(), table.begin(), table.end(), std::back_inserter(unknown));
    EXPECT_EQ(std::vector<std::string>{}, unnamed) << "scenarios " << file << " does not name";
    EXPECT_EQ(std::vector<std::string>{}, unknown) << "names in " << file << " that are no scenario or repeat one";
}

// A scenario that has no test below is never played by the suite, and one
// missing from the README cannot be found by whoever reads it; a test or a
// row naming a scenario the table lacks is left from a rename.
TEST(ScenarioTable, EveryScenarioIsPlayedByATestAndListedInTheReadme)
{
    std::vector<std::string> table;
    for (const Scenario& scenario : AllScenarios())
        table.push_back(scenario.name);
    std::sort(table.begin(), table.end());
    ASSERT_EQ(table.end(), std::adjacent_find(table.begin(), table.end())) << "two scenarios of one name";
    std::vector<std::string> source = ReadTextLines(TEST_SOURCE_DIR "\\tests\\e2e\\scenario_test.cpp");
    ASSERT_FALSE(source.empty()) << "scenario_test.cpp not read";
    ExpectEveryScenarioNamedOnce(table, NamesIn(source, "TEST(Scenario, ", "Check(\"", "\")"), "scenario_test.cpp");
    std::vector<std::string> readme = ReadmeScenarioSection();
    ASSERT_FALSE(readme.empty()) << "no section on scenarios in README.md";
    ExpectEveryScenarioNamedOnce(table, NamesIn(readme, "| `", "| `", "`"), "README.md");
}

TEST(Scenario, Typical) { Check("typical"); }
TEST(Scenario, Firefox) { Check("firefox"); }
TEST(Scenario, DeclinedToolbar) { Check("declined-toolbar"); }
TEST(Scenario, RegistryCleaner) { Check("registry-cleaner"); }
TEST(Scenario, EmailCompanion) { Check("email-companion"); }
TEST(Scenario, SameVersionAgain) { Check("same-version-again"); }
TEST(Scenario, Windows95) { Check("windows-95"); }
TEST(Scenario, Windows98No) { Check("windows-98-no"); }
TEST(Scenario, OldHelpViewer) { Check("old-help-viewer"); }
TEST(Scenario, NoAdministrator) { Check("no-administrator"); }
TEST(Scenario, ProductRunning) { Check("product-running"); }
TEST(Scenario, FileManagerExtension) { Check("file-manager-extension"); }
TEST(Scenario, LinksDoubleClicked) { Check("links-double-clicked"); }
TEST(Scenario, OfferCancelled) { Check("offer-cancelled"); }
TEST(Scenario, WindowsInstallerMissing) { Check("windows-installer-missing"); }
TEST(Scenario, PackageMissing) { Check("package-missing"); }
TEST(Scenario, DesktopSearchBlocked) { Check("desktop-search-blocked"); }
TEST(Scenario, WindowsInstallerCancelled) { Check("windows-installer-cancelled"); }
TEST(Scenario, WindowsInstallerFailed) { Check("windows-installer-failed"); }
TEST(Scenario, WindowsInstallerCannotOpenPackage) { Check("windows-installer-cannot-open-package"); }
TEST(Scenario, RestartStarted) { Check("restart-started"); }
TEST(Scenario, RestartRequired) { Check("restart-required"); }
TEST(Scenario, VistaDllSearch) { Check("vista-dll-search"); }
TEST(Scenario, NoWebBrowser) { Check("no-web-browser"); }
TEST(Scenario, EmailCompanionInstalled) { Check("email-companion-installed"); }
TEST(Scenario, EmailCompanionLoggedUninstall) { Check("email-companion-logged-uninstall"); }
TEST(Scenario, EmailCompanionEmptyLocation) { Check("email-companion-empty-location"); }
TEST(Scenario, FirefoxProfileElsewhere) { Check("firefox-profile-elsewhere"); }
TEST(Scenario, DeepSourceFolder) { Check("deep-source-folder"); }
TEST(Scenario, CleanerWithOwnLibrary) { Check("cleaner-with-own-library"); }
TEST(Scenario, OlderDllSearch) { Check("older-dll-search"); }
TEST(Scenario, Windows7StandardUser) { Check("windows-7-standard-user"); }
TEST(Scenario, Windows7StandardUserPlain) { Check("windows-7-standard-user-plain"); }
TEST(Scenario, Quiet) { Check("quiet"); }
TEST(Scenario, Passive) { Check("passive"); }
TEST(Scenario, QuietWindows95) { Check("quiet-windows-95"); }
TEST(Scenario, QuietWindows98) { Check("quiet-windows-98"); }
TEST(Scenario, QuietProductRunning) { Check("quiet-product-running"); }
TEST(Scenario, QuietPackageMissing) { Check("quiet-package-missing"); }
TEST(Scenario, QuietInstallerFailed) { Check("quiet-installer-failed"); }
TEST(Scenario, QuietRestartRequired) { Check("quiet-restart-required"); }
TEST(Scenario, QuietLogFolderMissing) { Check("quiet-log-folder-missing"); }
TEST(Scenario, QuietLogNameTooLong) { Check("quiet-log-name-too-long"); }
TEST(Scenario, QuietUnknownSwitch) { Check("quiet-unknown-switch"); }
TEST(Scenario, UnknownSwitch) { Check("unknown-switch"); }
TEST(Scenario, Help) { Check("help"); }
TEST(Scenario, SourceFolderTheCodePageLacks) { Check("source-folder-the-code-page-lacks"); }
TEST(Scenario, SourceFolderInChineseLetters) { Check("source-folder-in-chinese-letters"); }
TEST(Scenario, FirefoxProfileTheCodePageLacks) { Check("firefox-profile-the-code-page-lacks"); }
TEST(Scenario, QuietLogTheCodePageLacks) { Check("quiet-log-the-code-page-lacks"); }
