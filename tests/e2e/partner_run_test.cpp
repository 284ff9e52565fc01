// Whole runs of SETUP.EXE with the partner files beside it: the e-mail
// companion and registry cleaner offers, the order in which the accepted
// installers run, and the completion report the browser receives.
#include <gtest/gtest.h>
#include "registry_sandbox.h"
#include "setup_run.h"
#include "wine_limits.h"
#include "resources/resource.h"

static const std::string Server = TARVEX_WEB_SERVER "/instcmplt.cgi";
static const char* SourceDir = "C:\\Downloads\\Tarvex Setup";
static const char* NotInstalledText =
    "The software has not been successfully installed.\nYou must run Setup again before using the software.";

static std::vector<std::string> AllPartnerFiles()
{
    return {"product-14.0\\TARVEX140.MSI", "TarvexEmailComp20.exe", "RegistryBooster2Tvex.exe", "duzorizu32.exe",
            "RB2compatibilityCheck.dll"};
}

static Answer Expecting(const char* caption, Answer then)
{
    return Inspect([caption](HWND window) { EXPECT_EQ(caption, WindowText(window)); }, then);
}

static void PutInstalledProgram(const char* fixtureFolder)
{
    CreateDirectoryA("C:\\Old", NULL);
    ASSERT_TRUE(CopyFixture(std::string(fixtureFolder) + "\\Tarvex32.exe", "C:\\Old\\Tarvex32.exe"));
    SetText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tarvex32.exe", "",
            "C:\\Old\\Tarvex32.exe");
}

TEST(PartnerRun, AcceptedPartnersInstallAfterTheProductFromTheSourceFolder)
{
    SetFixtureSetting("duzorizu32.exe", "SetEvent", "Tarvex32_SETUP_RB2RUNNING");
    SetFixtureSetting("RB2compatibilityCheck.dll", "SecondAnswer", "0");
    RegisterRecordingBrowser();
    std::string setup = PrepareSourceFolder(SourceDir, AllPartnerFiles());
    // Programs of the same names in the current folder must never run.
    CreateDirectoryA("C:\\Elsewhere", NULL);
    CopyFixture("recorder.exe", "C:\\Elsewhere\\duzorizu32.exe");
    CopyFixture("recorder.exe", "C:\\Elsewhere\\TarvexEmailComp20.exe");

    SetupResult run = RunSetupProgram(setup,
                                      {Expecting("Tarvex Setup - Tarvex E-Mail Companion", Key(VK_RETURN)),
                                       Expecting("Tarvex Setup - Uniblue RegistryBooster 2 Offer", Key(VK_RETURN))},
                                      "C:\\Elsewhere");
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(2u, run.windows.size());
    std::vector<std::string> events = EventsOnce(3);
    ASSERT_EQ(3u, events.size());
    EXPECT_EQ("TarvexEmailComp20.exe\t\tinstalled=yes\tfrom=C:\\Downloads\\Tarvex Setup\\TarvexEmailComp20.exe",
              events[0]);
    EXPECT_EQ("duzorizu32.exe\t/rb2\tinstalled=yes\tfrom=C:\\Downloads\\Tarvex Setup\\duzorizu32.exe", events[1]);
    EXPECT_EQ("browser.exe\t\"" + Server +
                  "?pid=TVX-SETUP&ver=14.0.8688.1&lang=en&vid=demo&3pa=unbl:1&bm=1\"\tinstalled=yes",
              WithoutOrigin(events[2]));
}

// The cleaner declined, the product installed, but its program lacks an
// identification string, so no report follows: the partner's DLL is asked
// once, before its offer, and never again.
TEST(PartnerRun, WithoutAReportTheCleanerIsAskedOnlyBeforeItsOffer)
{
    RegisterRecordingBrowser();
    std::string setup = PrepareSourceFolder(SourceDir, {"product-no-lang\\TARVEX140.MSI", "RegistryBooster2Tvex.exe",
                                                        "duzorizu32.exe", "RB2compatibilityCheck.dll"});
    SetupResult run = RunSetupProgram(setup, {Choose(IDC_CLEANER_DECLINE, Press(IDOK))});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.exitCode);
    ASSERT_EQ(1u, run.windows.size());
    EXPECT_EQ("Tarvex Setup - Uniblue RegistryBooster 2 Offer", run.windows[0].caption);
    EXPECT_TRUE(ProductInstalled());
    EXPECT_EQ(std::vector<std::string>{}, EventsOnce(1, 2000));  // no launcher, no report
    EXPECT_EQ(1u, GetPrivateProfileIntA("RB2compatibilityCheck.dll", "Calls", 0, "C:\\tarvex-fixtures.ini"));
}

TEST(PartnerRun, ClosingTheCompanionOfferEndsSetup)
{
    std::string setup = PrepareSourceFolder(SourceDir, AllPartnerFiles());
    SetupResult run = RunSetupProgram(setup, {Key(VK_ESCAPE), Press(IDOK)});
    ASSERT_TRUE(run.ended);
    ASSERT_EQ(2u, run.windows.size());
    EXPECT_EQ(NotInstalledText, run.windows[1].text);
    EXPECT_EQ("Tarvex Setup", run.windows[1].caption);
    ExpectIcon(MB_ICONINFORMATION, run.windows[1]);
    EXPECT_FALSE(ProductInstalled());
    EXPECT_TRUE(RecordedEvents().empty());
}

TEST(PartnerRun, ClosingTheCleanerOfferEndsSetupWithoutTheAcceptedCompanion)
{
    std::string setup = PrepareSourceFolder(SourceDir, AllPartnerFiles());
    SetupResult run = RunSetupProgram(setup, {Key(VK_RETURN), CloseBox(), Press(IDOK)});
    ASSERT_TRUE(run.ended);
    ASSERT_EQ(3u, run.windows.size());
    EXPECT_EQ("Tarvex Setup - Uniblue RegistryBooster 2 Offer", run.windows[1].caption);
    EXPECT_EQ(NotInstalledText, run.windows[2].text);
    EXPECT_FALSE(ProductInstalled());
    EXPECT_TRUE(RecordedEvents().empty());
}

TEST(PartnerRun, ANewerVersionIsReportedWithItsCompressionMark)
{
    PutInstalledProgram("product-14.0");
    RegisterRecordingBrowser();
    std::string setup = PrepareSourceFolder(SourceDir, {"product-14.1\\TARVEX140.MSI"});
    SetupResult run = RunSetupProgram(setup, {});
    ASSERT_TRUE(run.ended);
    EXPECT_TRUE(run.windows.empty());
    std::vector<std::string> events = EventsOnce(1);
    ASSERT_EQ(1u, events.size());
    EXPECT_EQ("browser.exe\t\"" + Server + "?pid=TVX-SETUP&ver=14.1.9000.2&lang=en&vid=demo&3pa=&bm=0\"\tinstalled=yes",
              WithoutOrigin(events[0]));
}

TEST(PartnerRun, TheSameVersionAgainIsNotReported)
{
    PutInstalledProgram("product-14.0");
    RegisterRecordingBrowser();
    std::string setup = PrepareSourceFolder(SourceDir, {"product-14.0\\TARVEX140.MSI"});
    SetupResult run = RunSetupProgram(setup, {});
    ASSERT_TRUE(run.ended);
    EXPECT_NE("C:\\Old\\Tarvex32.exe",
              GetText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tarvex32.exe", ""));
    EXPECT_TRUE(EventsOnce(1, 2000).empty());
}
