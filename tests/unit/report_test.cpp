// The completion report in-process: the installed version, the strings of
// the installed program, the partner list and the compression mark, and the
// address the shell hands to the browser (a recorder registered for http).
#include <gtest/gtest.h>
#include <string>
#include "setup/report.h"
#include "offers/offers.h"
#include "platform/globals.h"
#include "setup/installed_version.h"
#include "registry_sandbox.h"
#include "setup_globals.h"
#include "setup_run.h"
#include "test_files.h"

static const char* AppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tarvex32.exe";
static const char* SettingsKey = "Software\\Halvard Software\\Tarvex\\Tarvex";
static const std::string Server = TARVEX_WEB_SERVER "/instcmplt.cgi";
static const std::string StandardQuery = "?pid=TVX-SETUP&ver=14.0.8688.1&lang=en&vid=demo";

// Puts a fixture's Tarvex32.exe at `path` and registers it under App Paths.
static void Install(const char* fixtureFolder, const std::string& path = "C:\\Program Files\\Tarvex\\Tarvex32.exe")
{
    MakeFolders(path.substr(0, path.find_last_of('\\')));
    ASSERT_TRUE(CopyFixture(std::string(fixtureFolder) + "\\Tarvex32.exe", path)) << path;
    SetText(HKEY_LOCAL_MACHINE, AppPathsKey, "", path.c_str());
}

class CompletionReport : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteFileA("C:\\tarvex-events.log");
        DeleteFileA("C:\\tarvex-fixtures.ini");
        DeleteTree(HKEY_LOCAL_MACHINE, AppPathsKey);
        DeleteTree(HKEY_LOCAL_MACHINE, SettingsKey);
        RegisterRecordingBrowser();
        ZeroMemory(&run, sizeof run);
        globals.SetSourceFolder("C:\\Partners\\");
        CreateDirectoryA("C:\\Partners", NULL);
        globals.SetVistaOrLater(0);
    }

    // The addresses the browser received, once `count` of them arrived (or
    // after the time limit), in the order they came.
    std::vector<std::string> Addresses(size_t count, DWORD timeoutMs = 8000)
    {
        std::vector<std::string> addresses;
        DWORD start = GetTickCount();
        for (;;) {
            addresses.clear();
            for (const std::string& line : RecordedEvents()) {
                std::string arguments = line.substr(line.find('\t') + 1);
                arguments = arguments.substr(0, arguments.find('\t'));
                if (arguments.size() >= 2 && arguments.front() == '"' && arguments.back() == '"')
                    arguments = arguments.substr(1, arguments.size() - 2);
                addresses.push_back(arguments);
            }
            if (addresses.size() >= count || GetTickCount() - start > timeoutMs)
                return addresses;
            Sleep(50);
        }
    }

    void Send(DWORD high = 0, DWORD low = 0)
    {
        FileVersion before = {high, low};
        SendCompletionReport(&before, &run, RegistryCleanerInstalledNow);
    }

    // Sends and waits for the browser, so that addresses arrive in order.
    void SendAndWait(size_t expectedSoFar)
    {
        Send();
        Addresses(expectedSoFar);
    }

    RunRecord run;
    GlobalsScope globals;
};

TEST_F(CompletionReport, AFirstInstallationSendsTheProgramsStrings)
{
    Install("product-14.0");
    Send();
    std::vector<std::string> sent = Addresses(1);
    ASSERT_EQ(1u, sent.size());
    EXPECT_EQ(Server + StandardQuery + "&3pa=&bm=1", sent[0]);
}

TEST_F(CompletionReport, CharactersThatWouldBreakTheQueryAreEscaped)
{
    Install("program-odd-characters");
    Send();
    std::vector<std::string> sent = Addresses(1);
    ASSERT_EQ(1u, sent.size());
    EXPECT_EQ(Server + "?pid=TVX%20SETUP%26x%3D1%23top&ver=14.2%2Bbeta%20100%25&lang=fr%E9&vid=a%09b/c?d:e,f&3pa=&bm=1",
              sent[0]);
}

TEST_F(CompletionReport, PartnerListAsTheRunMadeIt)
{
    Install("product-14.0");
    ASSERT_TRUE(CopyFixture("RB2compatibilityCheck.dll", "C:\\Partners\\RB2compatibilityCheck.dll"));
    run.toolbar.shown = 1;
    run.toolbar.installed = 1;
    SendAndWait(1);
    run.toolbar.isFirefox = 1;
    run.toolbar.installed = 0;
    SendAndWait(2);
    // The cleaner's second answer is reported: no longer eligible is 1.
    run.toolbar.shown = 0;
    run.cleaner.shown = 1;
    SetFixtureSetting("RB2compatibilityCheck.dll", "Answer", "0");
    SendAndWait(3);
    SetFixtureSetting("RB2compatibilityCheck.dll", "Answer", "1");
    run.toolbar.shown = 1;
    run.toolbar.isFirefox = 0;
    run.toolbar.installed = 1;
    SendAndWait(4);
    std::vector<std::string> sent = Addresses(4);
    ASSERT_EQ(4u, sent.size());
    EXPECT_EQ(Server + StandardQuery + "&3pa=ggle:1&bm=1", sent[0]);
    EXPECT_EQ(Server + StandardQuery + "&3pa=gglf:0&bm=1", sent[1]);
    EXPECT_EQ(Server + StandardQuery + "&3pa=unbl:1&bm=1", sent[2]);
    EXPECT_EQ(Server + StandardQuery + "&3pa=ggle:1,unbl:0&bm=1", sent[3]);
    EXPECT_EQ(2u, GetPrivateProfileIntA("RB2compatibilityCheck.dll", "Calls", 0, "C:\\tarvex-fixtures.ini"));
}

static int cleanerQuestions = 0;
static int CleanerInstalled()
{
    ++cleanerQuestions;
    return 1;
}

// The partner is asked where the report is built, once, and only for a
// report that is sent.
TEST_F(CompletionReport, TheCleanerIsAskedOnlyForAReportThatIsSent)
{
    FileVersion before = {0, 0};
    char address[REPORT_ADDRESS_CHARS];
    run.cleaner.shown = 1;
    cleanerQuestions = 0;
    EXPECT_EQ(0, PrepareCompletionReport(&before, &run, CleanerInstalled, address));  // nothing installed
    Install("program-no-lang");
    EXPECT_EQ(0, PrepareCompletionReport(&before, &run, CleanerInstalled, address));  // no identification
    EXPECT_EQ(0, cleanerQuestions);
    Install("product-14.0");
    ASSERT_EQ(1, PrepareCompletionReport(&before, &run, CleanerInstalled, address));
    EXPECT_EQ(1, cleanerQuestions);
    EXPECT_EQ(Server + StandardQuery + "&3pa=unbl:1&bm=1", address);
    run.cleaner.shown = 0;
    ASSERT_EQ(1, PrepareCompletionReport(&before, &run, CleanerInstalled, address));
    EXPECT_EQ(1, cleanerQuestions);  // no offer, no question
}

TEST_F(CompletionReport, CompressionMarkIsZeroOnlyForTheTextZero)
{
    Install("product-14.0");
    SetText(HKEY_LOCAL_MACHINE, SettingsKey, "DefaultCompressionMethod", "0");
    SendAndWait(1);
    SetText(HKEY_LOCAL_MACHINE, SettingsKey, "DefaultCompressionMethod", "00");
    SendAndWait(2);
    SetText(HKEY_LOCAL_MACHINE, SettingsKey, "DefaultCompressionMethod", "0", REG_EXPAND_SZ);
    SendAndWait(3);
    SetNumber(HKEY_LOCAL_MACHINE, SettingsKey, "DefaultCompressionMethod", 0);
    SendAndWait(4);
    SetBytes(HKEY_LOCAL_MACHINE, SettingsKey, "DefaultCompressionMethod", "0", 1, REG_SZ);  // stored without its NUL
    SendAndWait(5);
    std::vector<std::string> sent = Addresses(5);
    ASSERT_EQ(5u, sent.size());
    const char* marks[] = {"0", "1", "1", "1", "0"};
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(Server + StandardQuery + "&3pa=&bm=" + marks[i], sent[i]) << i;
}

// Judged on the address as prepared, before the shell: whether a report is
// sent does not hang on a browser process that Wine may fail to start on a
// loaded machine.
TEST_F(CompletionReport, NothingIsSentUnlessTheProgramIsNewerAndComplete)
{
    const FileVersion installed = {0x000E0000, 0x21F00001};  // 14.0.8688.1
    auto prepared = [this](DWORD high, DWORD low) {
        FileVersion before = {high, low};
        char address[REPORT_ADDRESS_CHARS] = "x";
        int sent = PrepareCompletionReport(&before, &run, CleanerInstalled, address);
        EXPECT_EQ(sent != 0, address[0] != '\0');
        return sent ? std::string(address) : std::string();
    };
    Install("product-14.0");
    EXPECT_EQ("", prepared(installed.high, installed.low));      // the same version again
    EXPECT_EQ("", prepared(installed.high, installed.low + 1));  // an older one
    EXPECT_EQ("", prepared(0x000E0001, 0));                      // older by its high half
    Install("program-low-half-zero");
    EXPECT_EQ("", prepared(0, 0));                               // 14.2.0.0
    Install("program-no-lang");
    EXPECT_EQ("", prepared(0, 0));                               // string 39903 missing
    MakeFolders("C:\\Broken\\");
    HANDLE text = CreateFileA("C:\\Broken\\Tarvex32.exe", GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written;
    WriteFile(text, "MZ not a program", 16, &written, NULL);
    CloseHandle(text);
    SetText(HKEY_LOCAL_MACHINE, AppPathsKey, "", "C:\\Broken\\Tarvex32.exe");
    EXPECT_EQ("", prepared(0, 0));                               // not a program
    DeleteTree(HKEY_LOCAL_MACHINE, AppPathsKey);
    EXPECT_EQ("", prepared(0, 0));                               // nothing registered

    Install("product-14.0");
    EXPECT_EQ(Server + StandardQuery + "&3pa=&bm=1", prepared(installed.high, installed.low - 1));  // one build newer
}

TEST_F(CompletionReport, InstalledProgramPathOfMaximalLength)
{
    // 259 characters fit with the NUL; one more is not read at all.
    std::string folder = "C:\\" + std::string(120, 'a') + "\\" + std::string(122, 'b');
    std::string path = folder + "\\Tarvex32.exe";
    ASSERT_EQ(259u, path.size());
    Install("product-14.0", path);
    FileVersion version;
    char read[MAX_PATH];
    ReadInstalledVersion(&version, read, sizeof read);
    EXPECT_EQ(path, read);
    EXPECT_EQ(0x000E0000u, version.high);
    EXPECT_EQ(0x21F00001u, version.low);
    Send();

    std::string longer = path + "x";
    SetBytes(HKEY_LOCAL_MACHINE, AppPathsKey, "", longer.data(), 260, REG_SZ);  // no room for its NUL
    read[0] = 'z';
    read[1] = '\0';
    ReadInstalledVersion(&version, read, sizeof read);
    EXPECT_STREQ("z", read);
    EXPECT_EQ(0u, version.high);
    Send();
    std::vector<std::string> sent = Addresses(2, 3000);
    ASSERT_EQ(1u, sent.size());
    EXPECT_EQ(Server + StandardQuery + "&3pa=&bm=1", sent[0]);
}

// Checked on the address as prepared: Wine's shell cannot start a browser
// with an address this long (it fails inside shell32).
TEST_F(CompletionReport, ALongAddressIsCutAt1023Characters)
{
    Install("program-long-strings");
    FileVersion before = {0, 0};
    char address[REPORT_ADDRESS_CHARS];
    ASSERT_EQ(1, PrepareCompletionReport(&before, &run, RegistryCleanerInstalledNow, address));
    std::string whole = Server + "?pid=" + std::string(511, 'p') + "&ver=" + std::string(511, 'v');
    EXPECT_EQ(whole.substr(0, 1023), address);
}

TEST_F(CompletionReport, AnEscapeIsNeverSplitWhereTheAddressIsCut)
{
    Install("program-escapes-to-the-end");  // pid: 340 "&", each sent as %26
    FileVersion before = {0, 0};
    char address[REPORT_ADDRESS_CHARS];
    ASSERT_EQ(1, PrepareCompletionReport(&before, &run, RegistryCleanerInstalledNow, address));
    std::string escapes;
    for (int i = 0; i < 326; ++i)
        escapes += "%26";
    EXPECT_EQ(Server + "?pid=" + escapes, address);  // 1022 characters: a 327th escape would not fit
}

TEST(LoadModuleString, TakesUpTo511CharactersAndFailsOnMissingText)
{
    HMODULE module = LoadLibraryExA((FixturePath("program-long-strings") + "\\Tarvex32.exe").c_str(), NULL,
                                    LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module);
    char text[MODULE_STRING_CHARS];
    EXPECT_EQ(1, LoadModuleString(module, 39901, text));
    EXPECT_EQ(std::string(511, 'p'), text);
    EXPECT_EQ(1, LoadModuleString(module, 39902, text));  // 512 characters are cut
    EXPECT_EQ(std::string(511, 'v'), text);
    EXPECT_EQ(0, LoadModuleString(module, 39905, text));
    EXPECT_STREQ("", text);
    FreeLibrary(module);
}

TEST(AppendPartnerItem, SeparatesItemsAndStaysWithinItsSize)
{
    char list[PARTNER_LIST_CHARS] = "";
    AppendPartnerItem(list, sizeof list, "ggle", 1);
    AppendPartnerItem(list, sizeof list, "unbl", 0);
    EXPECT_STREQ("ggle:1,unbl:0", list);
    char small[10] = "";
    AppendPartnerItem(small, sizeof small, "gglf", 7);
    AppendPartnerItem(small, sizeof small, "unbl", 1);
    EXPECT_STREQ("gglf:1,un", small);
}
