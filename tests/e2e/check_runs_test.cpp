// Whole runs of SETUP.EXE under Wine for the checks of the machine and the
// user: what the user sees, and whether setup went on or ended. "Went on"
// shows as the package being installed, or, where a run need not install,
// as the message about the missing package that follows the checks.
#include <gtest/gtest.h>
#include "fixture_process.h"
#include "registry_sandbox.h"
#include "setup_run.h"
#include "wine_limits.h"

static const char* Package = "product-14.0\\TARVEX140.MSI";
static const char* MissingPackage = "Setup was unable to start the following installation file C:\\Downloads\\TARVEX140.MSI";
static const char* ProbeKey = "CLSID\\{00000000-0000-0000-0000-000000000000}";
static const char* AddOnEntry =
    "Software\\Microsoft\\Internet Explorer\\ActiveX Compatibility\\{A09AE68F-B14D-43ED-B713-BA413F034904}";

static SetupResult RunOn(const char* windowsVersion, const std::vector<Answer>& answers, bool withPackage)
{
    SetWindowsVersionFor("SETUP.EXE", windowsVersion);
    std::vector<std::string> files;
    if (withPackage)
        files.push_back(Package);
    return RunSetupProgram(PrepareSourceFolder("C:\\Downloads", files), answers);
}

static std::vector<std::string> Texts(const SetupResult& run)
{
    std::vector<std::string> texts;
    for (const SeenWindow& window : run.windows)
        texts.push_back(window.messageBox ? window.text : "dialog: " + window.caption);
    return texts;
}

TEST(WindowsVersionRun, Windows95AndNt4AreRefused)
{
    SetText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer\\ActiveX Compatibility", "", "");
    for (const char* version : {"win95", "nt40"}) {
        SetupResult run = RunOn(version, {Press(IDOK)}, true);
        ASSERT_TRUE(run.ended) << version;
        EXPECT_EQ(1150u, run.exitCode);  // this Windows is not supported
        ASSERT_EQ(1u, run.windows.size()) << version;
        EXPECT_EQ("Tarvex cannot be installed under this version of Windows", run.windows[0].text);
        EXPECT_EQ("Tarvex Setup", run.windows[0].caption);
        ExpectIcon(MB_ICONERROR, run.windows[0]);
    }
    EXPECT_FALSE(ProductInstalled());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, AddOnEntry));  // ended before any registry work
}

static const char* Untested =
    "This version of Windows is not supported and Tarvex has not been tested on it. You can continue with the "
    "Tarvex installation but there may be features of Tarvex that do not function. Would you like to continue with "
    "the installation? Click \"Yes\" to continue, \"No\" to end the installation.";

TEST(WindowsVersionRun, Windows98AnsweredNoEnds)
{
    SetupResult run = RunOn("win98", {Press(IDNO)}, true);
    ASSERT_TRUE(run.ended);
    ASSERT_EQ(1u, run.windows.size());
    EXPECT_EQ(Untested, run.windows[0].text);
    EXPECT_EQ("Tarvex Setup", run.windows[0].caption);
    ExpectIcon(MB_ICONWARNING, run.windows[0]);
    EXPECT_FALSE(ProductInstalled());
}

// Before Vista the write probe runs; with no probe subkey there it creates
// one and leaves none behind.
TEST(WindowsVersionRun, WindowsMeAnsweredYesGoesOnAndTheProbeLeavesNoKey)
{
    ASSERT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ProbeKey));
    SetupResult run = RunOn("winme", {Press(IDYES), Press(IDOK)}, false);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ((std::vector<std::string>{Untested, MissingPackage}), Texts(run));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ProbeKey));
}

// The oldest help control setup accepts, on Windows XP, with a probe
// subkey already there: it keeps what it held and gains nothing.
TEST(WindowsVersionRun, WindowsXpWithTheOldestAcceptedHelpControlInstalls)
{
    InstallHelpControl("4.72.7325.0");
    ASSERT_TRUE(SetText(HKEY_CLASSES_ROOT, ProbeKey, "Owner", "someone else"));
    SetupResult run = RunOn("winxp", {}, true);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.windows.size());
    EXPECT_TRUE(ProductInstalled());
    EXPECT_EQ("someone else", GetText(HKEY_CLASSES_ROOT, ProbeKey, "Owner"));
    EXPECT_FALSE(ValueExists(HKEY_CLASSES_ROOT, ProbeKey, "X13D5SY3FG7TX"));
}


TEST(WriteProbeRun, WithoutWriteAccessBeforeVistaSetupEnds)
{
    ASSERT_TRUE(MakeKeyRefuseLastingSubkeys(HKEY_CLASSES_ROOT, "CLSID"));
    SetupResult run = RunOn("winxp", {Press(IDOK)}, true);
    ASSERT_TRUE(run.ended);
    ASSERT_EQ(1u, run.windows.size());
    EXPECT_EQ("Tarvex cannot be installed. It must be installed by a user with administrative privileges.\n\n"
              "Please contact your system administrator.",
              run.windows[0].text);
    EXPECT_EQ("Tarvex Setup", run.windows[0].caption);
    ExpectIcon(MB_ICONERROR, run.windows[0]);
    EXPECT_FALSE(ProductInstalled());
}

TEST(WriteProbeRun, FromVistaOnNoProbeIsMade)
{
    ASSERT_TRUE(MakeKeyRefuseLastingSubkeys(HKEY_CLASSES_ROOT, "CLSID"));
    SetupResult run = RunOn("vista", {Press(IDOK)}, false);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(std::vector<std::string>{MissingPackage}, Texts(run));
}

TEST(HelpViewerRun, AnOlderControlShowsDialog400AndSetupEndsOnOk)
{
    InstallHelpControl("4.72.7324.65535");
    RegisterRecordingBrowser();
    bool opened = false, stayedOpen = false;
    Answer web = Inspect(
        [&](HWND dialog) {
            ClickButton(dialog, 402);
            for (int i = 0; i < 200 && !opened; ++i) {
                opened = EventLogged("browser.exe\t\"http://www.tarvex.example/htmlhelp.htm\"\t");
                Sleep(50);
            }
            Sleep(200);
            stayedOpen = IsWindowVisible(dialog) != FALSE;
        },
        Press(IDOK));
    SetupResult run = RunOn("winxp", {web}, true);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(std::vector<std::string>{"dialog: Tarvex"}, Texts(run));
    EXPECT_TRUE(opened);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(std::vector<std::string>{"browser.exe"}, RecordedPrograms());
    EXPECT_FALSE(ProductInstalled());
}

TEST(HelpViewerRun, WithoutAnyControlEscapeEndsSetup)
{
    InstallHelpControl("");
    SetupResult run = RunOn("win7", {Key(VK_ESCAPE)}, true);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(std::vector<std::string>{"dialog: Tarvex"}, Texts(run));
    EXPECT_FALSE(ProductInstalled());
}

static const char* ProductRunning =
    "Setup cannot install Tarvex now because another version of Tarvex is running.  You can either\n\n1) Close all "
    "other Tarvex windows, then click on \"Retry\" to install this new version of Tarvex\n\n2) Click on \"Cancel\", "
    "and re-run the installation process later, when no Tarvex windows are open";

TEST(RunningCopiesRun, RetryAfterTheProductClosedGoesOn)
{
    FixtureProcess product = StartFixture("tvxwindow.exe", "class TarvexWClass");
    ASSERT_NE(nullptr, WaitForWindow("TarvexWClass", NULL));
    bool closed = false;
    SetupResult run =
        RunOn("win7",
            {Press(IDRETRY), Inspect([&](HWND) { closed = CloseAndWaitUntilGone("TarvexWClass", NULL); }, Press(IDRETRY)),
             Press(IDOK)},
            false);
    EndFixture(product);
    ASSERT_TRUE(run.ended);
    EXPECT_TRUE(closed);
    EXPECT_EQ((std::vector<std::string>{ProductRunning, ProductRunning, MissingPackage}), Texts(run));
    EXPECT_EQ("Tarvex Setup", run.windows[0].caption);
    ExpectIcon(MB_ICONERROR, run.windows[0]);
}

TEST(RunningCopiesRun, CancelWhileTheSelfExtractorRunsEndsSetup)
{
    FixtureProcess extractor = StartFixture("tvxwindow.exe", "title \"Tarvex Self-Extractor Personal Edition\"");
    ASSERT_NE(nullptr, WaitForWindow(NULL, "Tarvex Self-Extractor Personal Edition"));
    SetupResult run = RunOn("win7", {Press(IDCANCEL)}, true);
    EndFixture(extractor);
    ASSERT_TRUE(run.ended);
    ASSERT_EQ(1u, run.windows.size());
    EXPECT_EQ("Setup cannot install Tarvex now because Tarvex Self-Extractor Personal Edition is running.  You can "
              "either\n\n1) Click on \"Cancel\", and re-run the installation process later, when Tarvex "
              "Self-Extractor Personal Edition is closed\n\n2) Close all Tarvex Self-Extractor Personal Edition "
              "windows, then click on \"Retry\" to install this new version of Tarvex",
              run.windows[0].text);
    ExpectIcon(MB_ICONERROR, run.windows[0]);
    EXPECT_FALSE(ProductInstalled());
}

static const char* UnloadRequest = "winfile.exe\tmessage 1543\twParam=0\tlParam=0";
static const char* Extension = "C:\\Program Files\\Tarvex\\TVXFM.DLL";

static std::string ExtensionSetting()
{
    char value[MAX_PATH] = "";
    GetPrivateProfileStringA("AddOns", "Tarvex", "<none>", value, sizeof value, "winfile.ini");
    return value;
}

// The File Manager with the old extension loaded, letting go of it the
// given time after it is asked to.
static FixtureProcess StartFileManager(const char* releaseAfterMs)
{
    CreateDirectoryA("C:\\Program Files\\Tarvex", NULL);
    MakeFile(Extension);
    WritePrivateProfileStringA("AddOns", "Tarvex", Extension, "winfile.ini");
    FixtureProcess fileManager = StartFixture("winfile.exe", std::string("\"") + Extension + "\" " + releaseAfterMs);
    WaitForWindow("WFS_Frame", NULL);
    return fileManager;
}

TEST(FileManagerRun, AnExtensionFreedAfterASecondAndAHalfLetsSetupGoOn)
{
    FixtureProcess fileManager = StartFileManager("1500");
    SetupResult run = RunOn("win7", {Press(IDOK)}, false);
    EndFixture(fileManager);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(std::vector<std::string>{MissingPackage}, Texts(run));
    EXPECT_EQ("<none>", ExtensionSetting());
    EXPECT_EQ(std::vector<std::string>{UnloadRequest}, RecordedEvents());
}

TEST(FileManagerRun, AnExtensionStillHeldAfterTwoSecondsEndsSetup)
{
    FixtureProcess fileManager = StartFileManager("3000");
    SetupResult run = RunOn("win7", {Press(IDOK)}, true);
    EndFixture(fileManager);
    ASSERT_TRUE(run.ended);
    ASSERT_EQ(1u, run.windows.size());
    EXPECT_EQ("The Tarvex installation procedure can not close the \"Tarvex File Manager Extension\" from your "
              "existing version of Tarvex.\n\nTo install this new version of Tarvex, please\n\n1) Close the File "
              "Manager, or, if you are running a \"shell\" like Norton Desktop, exit and restart Windows, then\n\n"
              "2) Run the Tarvex installation procedure again",
              run.windows[0].text);
    EXPECT_EQ("Tarvex Setup", run.windows[0].caption);
    ExpectIcon(MB_ICONERROR, run.windows[0]);
    EXPECT_EQ(Extension, ExtensionSetting());  // put back: nothing was installed
    EXPECT_EQ(std::vector<std::string>{UnloadRequest}, RecordedEvents());
    EXPECT_FALSE(ProductInstalled());
}
