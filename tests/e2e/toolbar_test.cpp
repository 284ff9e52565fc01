// Whole runs of SETUP.EXE with the toolbar offer: Windows XP, Internet
// Explorer as the default browser, the toolbar's installer and the partner
// launcher beside setup. Each test has a Wine prefix of its own.
#include <gtest/gtest.h>
#include "registry_sandbox.h"
#include "setup_run.h"
#include "wine_limits.h"

static const char* Caption = "Tarvex Setup - Google Toolbar";
static const int DeclineButton = 512;
static const int InstallButton = 511;

static std::string PrepareToolbarRun(bool withLauncher)
{
    SetWindowsVersionFor("SETUP.EXE", "winxp");
    SetText(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "",
            "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" -nohome");
    SetText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer", "Version", "6.0.2900.2180");
    std::vector<std::string> files = {"product-14.0\\TARVEX140.MSI", "gtb6ie.exe"};
    if (withLauncher)
        files.push_back("duzorizu32.exe");
    return PrepareSourceFolder("C:\\Downloads", files);
}

static std::string LauncherEvent(const char* arguments)
{
    return std::string("duzorizu32.exe\t") + arguments + "\tinstalled=no\tfrom=C:\\Downloads\\duzorizu32.exe";
}

TEST(ToolbarRun, AnAcceptedToolbarIsInstalledBeforeTheProduct)
{
    std::string setup = PrepareToolbarRun(true);
    std::string install;
    SetupResult run = RunSetupProgram(
        setup, {Inspect([&](HWND dialog) { install = ItemText(dialog, InstallButton); }, Press(IDOK)), Press(IDOK)});

    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.exitCode);
    ASSERT_EQ(2u, run.windows.size());
    EXPECT_EQ(Caption, run.windows[0].caption);
    EXPECT_EQ("&Install the Google Toolbar for Internet Explorer.", install);
    EXPECT_EQ("The Google Toolbar has been installed and will appear the next time you open an Internet Explorer "
              "window.",
              run.windows[1].text);
    ExpectIcon(MB_ICONINFORMATION, run.windows[1]);
    EXPECT_EQ(std::vector<std::string>{LauncherEvent("/tbie")}, RecordedEvents());
    EXPECT_TRUE(ProductInstalled());
}

TEST(ToolbarRun, DesktopSearchBlockedByARestartIsToldAfterTheProductIsInstalled)
{
    std::string setup = PrepareToolbarRun(true);
    SetFixtureSetting("duzorizu32.exe", "ExitCode", "10");
    bool installedWhenTold = false;
    SetupResult run = RunSetupProgram(
        setup, {Press(IDOK), Inspect([&](HWND) { installedWhenTold = ProductInstalled(); }, Press(IDOK))});

    ASSERT_TRUE(run.ended);
    ASSERT_EQ(2u, run.windows.size());
    EXPECT_EQ(Caption, run.windows[0].caption);
    EXPECT_EQ("Tarvex Setup", run.windows[1].caption);
    EXPECT_EQ(0u, run.windows[1].text.find("Google Desktop Search could not be installed because it was previously "
                                           "uninstalled without a system restart.\n\nIf you wish to install Desktop "
                                           "Search manually, please visit "))
        << run.windows[1].text;
    ExpectIcon(MB_ICONWARNING, run.windows[1]);
    EXPECT_TRUE(installedWhenTold);
    EXPECT_EQ(std::vector<std::string>{LauncherEvent("/tbie")}, RecordedEvents());
}

TEST(ToolbarRun, ClosingTheOfferEndsSetupEvenAfterAChoice)
{
    std::string setup = PrepareToolbarRun(true);
    SetupResult run = RunSetupProgram(
        setup, {Inspect([](HWND dialog) { ClickButton(dialog, DeclineButton); Sleep(300); }, CloseBox()),
                Press(IDOK)});

    ASSERT_TRUE(run.ended);
    EXPECT_EQ(1602u, run.exitCode);  // ended by the user
    ASSERT_EQ(2u, run.windows.size());
    EXPECT_EQ(Caption, run.windows[0].caption);
    EXPECT_EQ("The software has not been successfully installed.\nYou must run Setup again before using the software.",
              run.windows[1].text);
    ExpectIcon(MB_ICONINFORMATION, run.windows[1]);
    EXPECT_TRUE(RecordedEvents().empty());
    EXPECT_FALSE(ProductInstalled());
}

TEST(ToolbarRun, DecliningInstallsTheProductAlone)
{
    std::string setup = PrepareToolbarRun(true);
    SetupResult run = RunSetupProgram(
        setup, {Inspect([](HWND dialog) { ClickButton(dialog, DeclineButton); Sleep(300); }, Press(IDOK))});

    ASSERT_TRUE(run.ended);
    ASSERT_EQ(1u, run.windows.size());
    EXPECT_EQ(Caption, run.windows[0].caption);
    EXPECT_TRUE(RecordedEvents().empty());
    EXPECT_TRUE(ProductInstalled());
}

TEST(ToolbarRun, OnlyTheLauncherBesideSetupIsEverStarted)
{
    std::string setup = PrepareToolbarRun(false);
    CreateDirectoryA("C:\\Elsewhere", NULL);
    ASSERT_TRUE(CopyFixture("duzorizu32.exe", "C:\\Elsewhere\\duzorizu32.exe"));
    SetupResult run = RunSetupProgram(setup, {Press(IDOK), Press(IDOK)}, "C:\\Elsewhere");

    ASSERT_TRUE(run.ended);
    ASSERT_EQ(2u, run.windows.size());
    EXPECT_EQ("Unable to locate/run DUZORIZU.", run.windows[1].text);
    ExpectIcon(MB_ICONWARNING, run.windows[1]);
    EXPECT_TRUE(RecordedEvents().empty());
    EXPECT_TRUE(ProductInstalled());
}
