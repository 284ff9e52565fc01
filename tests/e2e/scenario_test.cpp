// Whole runs as users live them (tests/scenarios/scenarios.cpp): what the
// user saw, what ran in which order, what is installed, what stays in the
// registry and which address was opened. Each test has a Wine prefix of its
// own.
#include <gtest/gtest.h>
#include "scenario.h"
#include "wine_limits.h"

static void Check(const char* name)
{
    const Scenario* scenario = FindScenario(name);
    ASSERT_NE(nullptr, scenario) << name;
    Outcome outcome = Play(*scenario);
    const Expected& expected = scenario->expected;

    ASSERT_TRUE(outcome.run.ended) << "setup did not end";
    EXPECT_EQ(0u, outcome.run.exitCode);
    bool icons = CanReadMessageBoxIcons("the icons of the message boxes");
    std::vector<std::string> wanted, seen;
    for (const ExpectedWindow& window : expected.windows)
        wanted.push_back(Describe(window, icons));
    for (const SeenWindow& window : outcome.run.windows)
        seen.push_back(Describe(window, icons));
    EXPECT_EQ(wanted, seen);
    EXPECT_EQ(expected.programs, outcome.programs);
    EXPECT_EQ(expected.productInstalled, ProductInstalled());
    EXPECT_EQ(expected.addOnEntriesWritten, AddOnEntriesWritten());
    EXPECT_EQ(ExpectedAddresses(expected), outcome.addresses);
    EXPECT_EQ(std::vector<std::string>{}, outcome.plantedLoaded);
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
TEST(Scenario, DesktopSearchBlocked) { Check("desktop-search-blocked"); }
TEST(Scenario, WindowsInstallerCancelled) { Check("windows-installer-cancelled"); }
TEST(Scenario, WindowsInstallerFailed) { Check("windows-installer-failed"); }
TEST(Scenario, RestartRequired) { Check("restart-required"); }
TEST(Scenario, EmailCompanionInstalled) { Check("email-companion-installed"); }
TEST(Scenario, EmailCompanionLoggedUninstall) { Check("email-companion-logged-uninstall"); }
TEST(Scenario, EmailCompanionEmptyLocation) { Check("email-companion-empty-location"); }
TEST(Scenario, FirefoxProfileElsewhere) { Check("firefox-profile-elsewhere"); }
TEST(Scenario, DeepSourceFolder) { Check("deep-source-folder"); }
TEST(Scenario, CleanerWithOwnLibrary) { Check("cleaner-with-own-library"); }
