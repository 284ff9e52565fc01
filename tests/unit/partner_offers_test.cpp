// The e-mail companion and registry cleaner offers in-process: detection of
// an installed companion, the compatibility DLL, dialogs 800 and 900 as the
// user sees and answers them, and the partner installers they start.
#include <gtest/gtest.h>
#include <string>
#include "offers/offers.h"
#include "platform/globals.h"
#include "offers/email_companion.h"
#include "resources/resource.h"
#include "registry_sandbox.h"
#include "setup_globals.h"
#include "setup_run.h"
#include "ui_driver.h"

static const char* PartnerFolder = "C:\\Partners\\";
static const char* CompanionKey = "Software\\Halvard Software\\Tarvex Companion";
static const char* UninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarvex E-Mail Companion";

static void MakeFile(const std::string& path)
{
    for (size_t i = 3; i < path.size(); ++i)
        if (path[i] == '\\')
            CreateDirectoryA(path.substr(0, i).c_str(), NULL);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << path;
    CloseHandle(file);
}

// A fresh partner folder holding the files named (fixture paths), used as
// SourceFolder, and no fixture settings or events from earlier tests.
static void UsePartnerFolder(GlobalsScope& globals, const std::vector<std::string>& files)
{
    DeleteFileA("C:\\tarvex-events.log");
    DeleteFileA("C:\\tarvex-fixtures.ini");
    const char* names[] = {"RB2compatibilityCheck.dll", "RegistryBooster2Tvex.exe", "TarvexEmailComp20.exe",
                           "duzorizu32.exe"};
    for (const char* name : names)
        DeleteFileA((std::string(PartnerFolder) + name).c_str());
    CreateDirectoryA(PartnerFolder, NULL);
    for (const std::string& file : files)
        ASSERT_TRUE(CopyFixture(file, PartnerFolder + file.substr(file.find_last_of('\\') + 1))) << file;
    globals.SetSourceFolder(PartnerFolder);
    globals.SetVistaOrLater(0);
}

static bool IsCentred(HWND dialog)
{
    RECT rect;
    GetWindowRect(dialog, &rect);
    int dx = (rect.left + rect.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2;
    int dy = (rect.top + rect.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2;
    return dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2;
}

// --- Detection of an installed e-mail companion -------------------------

TEST(TrimRegistryString, DropsBlanksAroundAndOnePairOfQuotes)
{
    char padded[] = "  \"C:\\Apps\\Mail Companion\"\t";
    TrimRegistryString(padded);
    EXPECT_STREQ("C:\\Apps\\Mail Companion", padded);
    char innerBlanks[] = "\" C:\\Mail \"";
    TrimRegistryString(innerBlanks);
    EXPECT_STREQ(" C:\\Mail ", innerBlanks);
    char twoPairs[] = "\"\"C:\\Mail\"\"";
    TrimRegistryString(twoPairs);
    EXPECT_STREQ("\"C:\\Mail\"", twoPairs);
    char argument[] = "\"C:\\Mail\\unins000.exe\" /S ";
    TrimRegistryString(argument);
    EXPECT_STREQ("\"C:\\Mail\\unins000.exe\" /S", argument);
    char lone[] = " \" ";
    TrimRegistryString(lone);
    EXPECT_STREQ("\"", lone);
    char blanks[] = " \t ";
    TrimRegistryString(blanks);
    EXPECT_STREQ("", blanks);
}

class CompanionDetection : public testing::Test {
protected:
    RegistrySandbox sandbox;
};

TEST_F(CompanionDetection, InstallPathIsTrimmedAndItsMarkerLookedFor)
{
    SetText(HKEY_LOCAL_MACHINE, CompanionKey, "InstallPath", "  \"C:\\Apps\\Mail Companion\"\t");
    EXPECT_EQ(0, EmailCompanionInstalled());
    MakeFile("C:\\Apps\\Mail Companion\\txofcsvc.dll");
    EXPECT_EQ(1, EmailCompanionInstalled());
    DeleteFileA("C:\\Apps\\Mail Companion\\txofcsvc.dll");
}

TEST_F(CompanionDetection, BlankInstallPathMovesOnToTheUninstallEntry)
{
    MakeFile("C:\\Mail\\txofcsvc.dll");
    SetText(HKEY_LOCAL_MACHINE, CompanionKey, "InstallPath", " \t ");
    SetText(HKEY_LOCAL_MACHINE, UninstallKey, "InstallLocation", "C:\\Mail\\");
    EXPECT_EQ(1, EmailCompanionInstalled());
    // Present but empty, InstallLocation names no folder: UninstallString does.
    SetText(HKEY_LOCAL_MACHINE, UninstallKey, "InstallLocation", "");
    SetText(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString", "\"C:\\Mail\\unins000.exe\"");
    EXPECT_EQ(1, EmailCompanionInstalled());
    SetText(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString", "\"C:\\Other\\unins000.exe\"");
    EXPECT_EQ(0, EmailCompanionInstalled());
    DeleteFileA("C:\\Mail\\txofcsvc.dll");
}

TEST_F(CompanionDetection, UninstallStringNamesTheFolderOfItsProgram)
{
    MakeFile("C:\\Mail\\txofcsvc.dll");
    SetText(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString", "\"C:\\Mail\\unins000.exe\"");
    EXPECT_EQ(1, EmailCompanionInstalled());
    SetText(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString", "\"C:\\Mail\\unins000.exe\" /S");
    EXPECT_EQ(1, EmailCompanionInstalled());
    SetText(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString", "\"C:\\Mail\\unins000.exe\" /LOG=\"C:\\Logs\\u.log\"");
    EXPECT_EQ(1, EmailCompanionInstalled());  // a quoted argument ends the command
    SetText(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString", "\"C:\\Mail\\unins000.exe /S");
    EXPECT_EQ(1, EmailCompanionInstalled());  // an unclosed quote runs to the end
    SetText(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString", "\"C:\\Other\\unins000.exe\" /D=C:\\Mail\\x");
    EXPECT_EQ(0, EmailCompanionInstalled());  // arguments never name the folder
    SetText(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString", "C:\\Mail\\unins000.exe");
    EXPECT_EQ(1, EmailCompanionInstalled());
    DeleteFileA("C:\\Mail\\txofcsvc.dll");
}

TEST_F(CompanionDetection, ADriveNeedsItsBackslash)
{
    MakeFile("C:\\txofcsvc.dll");
    SetText(HKEY_LOCAL_MACHINE, CompanionKey, "InstallPath", "C:");
    EXPECT_EQ(0, EmailCompanionInstalled());
    SetText(HKEY_LOCAL_MACHINE, CompanionKey, "InstallPath", "C:\\");
    EXPECT_EQ(1, EmailCompanionInstalled());
    DeleteFileA("C:\\txofcsvc.dll");
}

// A value that fills the 520-byte buffer without its NUL is not taken; one
// byte shorter it gets its NUL added.
TEST_F(CompanionDetection, AValueWithoutItsNulIsEndedOrNotTaken)
{
    MakeFile("C:\\Mail\\txofcsvc.dll");
    std::string padded = "C:\\Mail" + std::string(513, ' ');
    ASSERT_EQ(520u, padded.size());
    SetBytes(HKEY_LOCAL_MACHINE, CompanionKey, "InstallPath", padded.data(), 520, REG_SZ);
    EXPECT_EQ(0, EmailCompanionInstalled());
    SetBytes(HKEY_LOCAL_MACHINE, CompanionKey, "InstallPath", padded.data(), 519, REG_SZ);
    EXPECT_EQ(1, EmailCompanionInstalled());
    DeleteFileA("C:\\Mail\\txofcsvc.dll");
}

// --- Dialog 800 ----------------------------------------------------------

static int OfferCompanionAnswering(Answer answer, int* accepted, std::vector<SeenWindow>* seen)
{
    Autopilot pilot(0, {answer});
    pilot.Start();
    OfferOutcome outcome = OfferEmailCompanion();
    *accepted = outcome.accepted;
    int choice = outcome.choice;
    *seen = pilot.Finish();
    return choice;
}

static void ExpectCompanionDialogAsOpened(HWND dialog)
{
    EXPECT_EQ("Tarvex Setup - Tarvex E-Mail Companion", WindowText(dialog));
    EXPECT_EQ((UINT)BST_CHECKED, IsDlgButtonChecked(dialog, IDC_EMAIL_INSTALL));
    EXPECT_EQ((UINT)BST_UNCHECKED, IsDlgButtonChecked(dialog, IDC_EMAIL_DECLINE));
    EXPECT_EQ(700, FontWeight(dialog, IDC_EMAIL_INSTALL));
    EXPECT_EQ(400, FontWeight(dialog, IDC_EMAIL_DECLINE));
    EXPECT_EQ(GetDlgItem(dialog, IDOK), FocusedControl(dialog));
    EXPECT_TRUE(IsCentred(dialog));
}

TEST(CompanionOffer, EnterAtOnceAcceptsAndNoWithContinueDeclines)
{
    GlobalsScope globals;
    RegistrySandbox sandbox;
    UsePartnerFolder(globals, {"TarvexEmailComp20.exe"});
    int accepted = -1;
    std::vector<SeenWindow> seen;
    EXPECT_EQ(OFFER_GO_ON, OfferCompanionAnswering(Inspect(ExpectCompanionDialogAsOpened, Key(VK_RETURN)),
                                                   &accepted, &seen));
    EXPECT_EQ(1, accepted);
    EXPECT_EQ(1u, seen.size());

    // A second opening looks the same: the first one gave its fonts back.
    auto chooseNo = [](HWND dialog) {
        ExpectCompanionDialogAsOpened(dialog);
        ClickButton(dialog, IDC_EMAIL_DECLINE);
    };
    EXPECT_EQ(OFFER_GO_ON, OfferCompanionAnswering(Inspect(chooseNo, Press(IDOK)), &accepted, &seen));
    EXPECT_EQ(0, accepted);
}

TEST(CompanionOffer, EscOrTheCloseBoxCancelsSetup)
{
    GlobalsScope globals;
    RegistrySandbox sandbox;
    UsePartnerFolder(globals, {"TarvexEmailComp20.exe"});
    int accepted = -1;
    std::vector<SeenWindow> seen;
    EXPECT_EQ(OFFER_CANCEL, OfferCompanionAnswering(Key(VK_ESCAPE), &accepted, &seen));
    EXPECT_EQ(0, accepted);
    EXPECT_EQ(OFFER_CANCEL, OfferCompanionAnswering(CloseBox(), &accepted, &seen));
    EXPECT_EQ(0, accepted);
    EXPECT_EQ(1u, seen.size());
}

TEST(CompanionOffer, SilentWhenInstalledOrWithoutItsInstaller)
{
    GlobalsScope globals;
    RegistrySandbox sandbox;
    UsePartnerFolder(globals, {});
    int accepted = -1;
    std::vector<SeenWindow> seen;
    EXPECT_EQ(OFFER_GO_ON, OfferCompanionAnswering(Key(VK_RETURN), &accepted, &seen));
    EXPECT_EQ(0, accepted);
    EXPECT_TRUE(seen.empty());

    UsePartnerFolder(globals, {"TarvexEmailComp20.exe"});
    MakeFile("C:\\Mail\\txofcsvc.dll");
    SetText(HKEY_LOCAL_MACHINE, CompanionKey, "InstallPath", "C:\\Mail");
    EXPECT_EQ(OFFER_GO_ON, OfferCompanionAnswering(Key(VK_RETURN), &accepted, &seen));
    EXPECT_EQ(0, accepted);
    EXPECT_TRUE(seen.empty());
    DeleteFileA("C:\\Mail\\txofcsvc.dll");
}

// A dialog that cannot be created offers nothing, though -1 reads as
// "Continue and install" bit by bit.
TEST(OfferDialogs, ADialogThatCannotBeCreatedIsNoOffer)
{
    GlobalsScope globals;
    RegistrySandbox sandbox;
    UsePartnerFolder(globals, {"TarvexEmailComp20.exe", "RB2compatibilityCheck.dll", "RegistryBooster2Tvex.exe"});
    globals.SetInstance(GetModuleHandleA("kernel32.dll"));  // holds neither template
    OfferOutcome companion = OfferEmailCompanion();
    int accepted = companion.accepted;
    EXPECT_EQ(OFFER_GO_ON, companion.choice);
    EXPECT_EQ(0, accepted);
    OfferOutcome cleaner = OfferRegistryCleaner();
    accepted = cleaner.accepted;
    int offered = cleaner.shown;
    EXPECT_EQ(OFFER_GO_ON, cleaner.choice);
    EXPECT_EQ(0, accepted);
    EXPECT_EQ(0, offered);
}

// --- The compatibility DLL and dialog 900 --------------------------------

static void SetCompatibility(const char* answer, const char* reason)
{
    SetFixtureSetting("RB2compatibilityCheck.dll", "Answer", answer);
    SetFixtureSetting("RB2compatibilityCheck.dll", "Reason", reason);
}

static UINT CompatibilityCalls()
{
    return GetPrivateProfileIntA("RB2compatibilityCheck.dll", "Calls", 0, "C:\\tarvex-fixtures.ini");
}

TEST(RegistryCleanerCompatible, AsksThePartnerDllAndReleasesIt)
{
    GlobalsScope globals;
    UsePartnerFolder(globals, {"RB2compatibilityCheck.dll"});
    SetCompatibility("1", "0");
    EXPECT_EQ(1, RegistryCleanerCompatible());
    EXPECT_EQ(1u, CompatibilityCalls());
    EXPECT_EQ(nullptr, GetModuleHandleA("RB2compatibilityCheck.dll"));

    SetCompatibility("0", "2");
    EXPECT_EQ(0, RegistryCleanerCompatible());  // reason 2 counts only from Vista on
    globals.SetVistaOrLater(1);
    EXPECT_EQ(1, RegistryCleanerCompatible());
    SetCompatibility("0", "5");
    EXPECT_EQ(0, RegistryCleanerCompatible());
    EXPECT_EQ(4u, CompatibilityCalls());
    globals.SetVistaOrLater(0);
}

TEST(RegistryCleanerCompatible, AMissingOrBrokenDllIsARefusal)
{
    GlobalsScope globals;
    UsePartnerFolder(globals, {});
    EXPECT_EQ(0, RegistryCleanerCompatible());
    UsePartnerFolder(globals, {"without-entry\\RB2compatibilityCheck.dll"});
    EXPECT_EQ(0, RegistryCleanerCompatible());
    UsePartnerFolder(globals, {"TarvexEmailComp20.exe"});
    MakeFile(std::string(PartnerFolder) + "RB2compatibilityCheck.dll");  // empty: not a DLL at all
    EXPECT_EQ(0, RegistryCleanerCompatible());
}

// Asked again after the installers, only an answer of the partner's
// function that refuses the offer means the cleaner is on the machine.
TEST(RegistryCleanerInstalledNow, OnlyARefusalOfThePartnersFunctionCounts)
{
    GlobalsScope globals;
    struct {
        const char* dll;  // beside setup, or "" for none
        const char* answer;
        const char* reason;
        int vista;
        int installed;
    } rows[] = {
        {"RB2compatibilityCheck.dll", "0", "0", 0, 1},
        {"RB2compatibilityCheck.dll", "0", "2", 0, 1},
        {"RB2compatibilityCheck.dll", "0", "2", 1, 0},  // from Vista on it may still be offered
        {"RB2compatibilityCheck.dll", "1", "0", 0, 0},
        {"without-entry\\RB2compatibilityCheck.dll", "0", "0", 0, 0},
        {"", "0", "0", 0, 0},
    };
    for (const auto& row : rows) {
        std::vector<std::string> files;
        if (row.dll[0] != '\0')
            files.push_back(row.dll);
        UsePartnerFolder(globals, files);
        SetCompatibility(row.answer, row.reason);
        globals.SetVistaOrLater(row.vista);
        EXPECT_EQ(row.installed, RegistryCleanerInstalledNow()) << row.dll << " " << row.answer << " " << row.reason;
    }
    globals.SetVistaOrLater(0);
}

static int OfferCleanerAnswering(Answer answer, int* accepted, int* offered, std::vector<SeenWindow>* seen)
{
    Autopilot pilot(0, {answer});
    pilot.Start();
    OfferOutcome outcome = OfferRegistryCleaner();
    *accepted = outcome.accepted;
    *offered = outcome.shown;
    int choice = outcome.choice;
    *seen = pilot.Finish();
    return choice;
}

static void ExpectCleanerDialogAsOpened(HWND dialog)
{
    EXPECT_EQ("Tarvex Setup - Uniblue RegistryBooster 2 Offer", WindowText(dialog));
    EXPECT_EQ((UINT)BST_CHECKED, IsDlgButtonChecked(dialog, IDC_CLEANER_INSTALL));
    EXPECT_EQ((UINT)BST_UNCHECKED, IsDlgButtonChecked(dialog, IDC_CLEANER_DECLINE));
    EXPECT_EQ(700, FontWeight(dialog, IDC_CLEANER_QUESTION));
    EXPECT_EQ(700, FontWeight(dialog, IDC_CLEANER_INSTALL));
    EXPECT_EQ(400, FontWeight(dialog, IDC_CLEANER_DECLINE));
    EXPECT_EQ(GetDlgItem(dialog, IDOK), FocusedControl(dialog));
    EXPECT_TRUE(IsCentred(dialog));
}

TEST(CleanerOffer, AnsweredAsTheUserChooses)
{
    GlobalsScope globals;
    UsePartnerFolder(globals, {"RB2compatibilityCheck.dll", "RegistryBooster2Tvex.exe"});
    int accepted = -1, offered = 0;
    std::vector<SeenWindow> seen;
    EXPECT_EQ(OFFER_GO_ON, OfferCleanerAnswering(Inspect(ExpectCleanerDialogAsOpened, Key(VK_RETURN)), &accepted,
                                                 &offered, &seen));
    EXPECT_EQ(1, accepted);
    EXPECT_EQ(1, offered);
    ASSERT_EQ(1u, seen.size());

    auto chooseNo = [](HWND dialog) {
        ExpectCleanerDialogAsOpened(dialog);
        ClickButton(dialog, IDC_CLEANER_DECLINE);
    };
    EXPECT_EQ(OFFER_GO_ON, OfferCleanerAnswering(Inspect(chooseNo, Press(IDOK)), &accepted, &offered, &seen));
    EXPECT_EQ(0, accepted);
    EXPECT_EQ(1, offered);

    EXPECT_EQ(OFFER_CANCEL, OfferCleanerAnswering(Key(VK_ESCAPE), &accepted, &offered, &seen));
    EXPECT_EQ(OFFER_CANCEL, OfferCleanerAnswering(CloseBox(), &accepted, &offered, &seen));
    EXPECT_EQ(0, accepted);
    EXPECT_EQ(1, offered);
}

TEST(CleanerOffer, SilentWithoutPermissionOrInstaller)
{
    GlobalsScope globals;
    UsePartnerFolder(globals, {"RB2compatibilityCheck.dll"});
    int accepted = -1, offered = 0;
    std::vector<SeenWindow> seen;
    EXPECT_EQ(OFFER_GO_ON, OfferCleanerAnswering(Key(VK_RETURN), &accepted, &offered, &seen));
    EXPECT_EQ(0, offered);
    EXPECT_EQ(0, accepted);

    UsePartnerFolder(globals, {"RB2compatibilityCheck.dll", "RegistryBooster2Tvex.exe"});
    SetCompatibility("0", "2");
    EXPECT_EQ(OFFER_GO_ON, OfferCleanerAnswering(Key(VK_RETURN), &accepted, &offered, &seen));
    EXPECT_EQ(0, offered);
    EXPECT_TRUE(seen.empty());
    globals.SetVistaOrLater(1);  // the same answer permits the offer from Vista on
    EXPECT_EQ(OFFER_GO_ON, OfferCleanerAnswering(Key(VK_RETURN), &accepted, &offered, &seen));
    EXPECT_EQ(1, offered);
    EXPECT_EQ(1u, seen.size());
    globals.SetVistaOrLater(0);
}

// --- The partner installers ----------------------------------------------

static std::vector<SeenWindow> Watching(const std::function<void()>& step, std::vector<Answer> answers = {})
{
    Autopilot pilot(0, answers);
    pilot.Start();
    step();
    return pilot.Finish();
}

TEST(CleanerInstall, WaitsForTheLaunchersEventOrItsEnd)
{
    GlobalsScope globals;
    UsePartnerFolder(globals, {"duzorizu32.exe"});
    SetFixtureSetting("duzorizu32.exe", "SetEvent", "Tarvex32_SETUP_RB2RUNNING");
    EXPECT_EQ(1, RunRegistryCleanerInstall());
    std::vector<std::string> events = RecordedEvents();
    ASSERT_EQ(1u, events.size());
    EXPECT_EQ("duzorizu32.exe\t/rb2\tinstalled=no\tfrom=C:\\Partners\\duzorizu32.exe", events[0]);

    // A launcher that ends without setting the event does not hold setup.
    SetFixtureSetting("duzorizu32.exe", "SetEvent", NULL);
    SetFixtureSetting("duzorizu32.exe", "DelayMs", "300");
    DWORD start = GetTickCount();
    EXPECT_EQ(0, RunRegistryCleanerInstall());
    DWORD took = GetTickCount() - start;
    EXPECT_GE(took, 300u);
    EXPECT_LT(took, 10000u);
    EXPECT_EQ(2u, RecordedEvents().size());
}

TEST(CleanerInstall, AMissingLauncherIsNotReported)
{
    GlobalsScope globals;
    UsePartnerFolder(globals, {});
    int result = -1;
    std::vector<SeenWindow> seen = Watching([&] { result = RunRegistryCleanerInstall(); });
    EXPECT_EQ(0, result);
    EXPECT_TRUE(seen.empty());
}

TEST(CleanerInstall, AnEventThatCannotBeCreatedIsReported)
{
    GlobalsScope globals;
    UsePartnerFolder(globals, {"duzorizu32.exe"});
    HANDLE taken = CreateMutexA(NULL, FALSE, "Tarvex32_SETUP_RB2RUNNING");  // the name holds another kind of object
    ASSERT_NE(nullptr, taken);
    int result = -1;
    std::vector<SeenWindow> seen = Watching([&] { result = RunRegistryCleanerInstall(); }, {Press(IDOK)});
    CloseHandle(taken);
    EXPECT_EQ(0, result);
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Tarvex was unable to start the Registry Booster installer.", seen[0].text);
    EXPECT_EQ("Tarvex Setup", seen[0].caption);
    EXPECT_EQ((UINT)MB_ICONWARNING, seen[0].icon);
    EXPECT_TRUE(RecordedEvents().empty());
}

TEST(CompanionInstall, RunsTheInstallerFromTheSourceFolderAndWaits)
{
    GlobalsScope globals;
    UsePartnerFolder(globals, {"TarvexEmailComp20.exe"});
    SetFixtureSetting("TarvexEmailComp20.exe", "DelayMs", "400");
    DWORD start = GetTickCount();
    std::vector<SeenWindow> seen = Watching([] { RunEmailCompanionInstaller(); });
    EXPECT_GE(GetTickCount() - start, 400u);
    EXPECT_TRUE(seen.empty());
    std::vector<std::string> events = RecordedEvents();
    ASSERT_EQ(1u, events.size());
    EXPECT_EQ("TarvexEmailComp20.exe\t\tinstalled=no\tfrom=C:\\Partners\\TarvexEmailComp20.exe", events[0]);
}

TEST(CompanionInstall, AnInstallerThatCannotStartIsReported)
{
    GlobalsScope globals;
    UsePartnerFolder(globals, {});
    std::vector<SeenWindow> seen = Watching([] { RunEmailCompanionInstaller(); }, {Press(IDOK)});
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Tarvex was unable to start the Email Companion installer.", seen[0].text);
    EXPECT_EQ("Tarvex Setup", seen[0].caption);
    EXPECT_EQ((UINT)MB_ICONWARNING, seen[0].icon);
}
