// The machine and user checks called in-process: the fine cases that a
// whole run of SETUP.EXE would make slow to reach. The Windows version is
// replaced where Wine cannot report it (Windows 2000 with a given service
// pack, a failing version query); everything else is the real registry,
// real files, real processes and real dialogs of this test's Wine prefix.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "setup/windows_version.h"
#include "setup/help_viewer.h"
#include "setup/running_copies.h"
#include "setup/file_manager_extension.h"
#include "setup/registry_probe.h"
#include "setup/file_version.h"
#include "platform/globals.h"
#include "registry_sandbox.h"
#include "setup_globals.h"
#include "system_facts_fake.h"
#include "setup_run.h"
#include "ui_driver.h"
#include "fixture_process.h"
#include "setup/file_wait.h"

static const char* Unsupported = "Tarvex cannot be installed under this version of Windows";
static const char* Untested =
    "This version of Windows is not supported and Tarvex has not been tested on it. You can continue with the "
    "Tarvex installation but there may be features of Tarvex that do not function. Would you like to continue with "
    "the installation? Click \"Yes\" to continue, \"No\" to end the installation.";
static const char* ProductRunning =
    "Setup cannot install Tarvex now because another version of Tarvex is running.  You can either\n\n1) Close all "
    "other Tarvex windows, then click on \"Retry\" to install this new version of Tarvex\n\n2) Click on \"Cancel\", "
    "and re-run the installation process later, when no Tarvex windows are open";
static const char* ExtractorRunning =
    "Setup cannot install Tarvex now because Tarvex Self-Extractor Personal Edition is running.  You can either\n\n"
    "1) Click on \"Cancel\", and re-run the installation process later, when Tarvex Self-Extractor Personal Edition "
    "is closed\n\n2) Close all Tarvex Self-Extractor Personal Edition windows, then click on \"Retry\" to install "
    "this new version of Tarvex";
static const char* ExtensionInUse =
    "The Tarvex installation procedure can not close the \"Tarvex File Manager Extension\" from your existing "
    "version of Tarvex.\n\nTo install this new version of Tarvex, please\n\n1) Close the File Manager, or, if you "
    "are running a \"shell\" like Norton Desktop, exit and restart Windows, then\n\n2) Run the Tarvex installation "
    "procedure again";

// ---------------------------------------------------------------------------
// ReadFileVersion

TEST(ReadFileVersion, ReadsTheFixedVersionOfAProgram)
{
    ReadHelpControlFiles();
    FileVersion version = {1, 1};
    ASSERT_EQ(1, ReadFileVersion(FixturePath("product-14.0\\Tarvex32.exe").c_str(), &version));
    EXPECT_EQ(0x000E0000u, version.high);  // 14.0
    EXPECT_EQ(0x21F00001u, version.low);   // 8688.1

    ASSERT_EQ(1, ReadFileVersion(FixturePath("help-4.72.7324.65535\\hhctrl.ocx").c_str(), &version));
    EXPECT_EQ(0x00040048u, version.high);
    EXPECT_EQ(0x1C9CFFFFu, version.low);
}

TEST(ReadFileVersion, FindsABareNameByTheModuleSearch)
{
    // Wine's own control, found in the system folder.
    UseWinesHelpControl();
    FileVersion version = {0, 0};
    ASSERT_EQ(1, ReadFileVersion("hhctrl.ocx", &version));
    EXPECT_EQ(0x00050002u, version.high);  // 5.2
    EXPECT_EQ(0x0ECE0AB8u, version.low);   // 3790.2744
}

TEST(ReadFileVersion, AnythingWithoutAFixedVersionRecordHasNone)
{
    ReadHelpControlFiles();
    const char* notPe = "C:\\not-a-program.ocx";
    HANDLE file = CreateFileA(notPe, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written;
    WriteFile(file, "MZ but nothing more than text", 29, &written, NULL);
    CloseHandle(file);

    const std::string cases[] = {FixturePath("help-unversioned\\hhctrl.ocx"), FixturePath("help-no-fixed-record\\hhctrl.ocx"),
                                 notPe, "C:\\no such folder\\hhctrl.ocx", ""};
    for (const std::string& path : cases) {
        FileVersion version = {7, 7};
        EXPECT_EQ(0, ReadFileVersion(path.c_str(), &version)) << path;
        EXPECT_EQ(0u, version.high) << path;
        EXPECT_EQ(0u, version.low) << path;
    }
}

// ---------------------------------------------------------------------------
// Windows version and classification

class WindowsVersion : public testing::Test {
protected:
    void SetUp() override { globals_.SetVistaOrLater(0); }
    void Report(DWORD platform, DWORD major, DWORD minor, WORD servicePack = 0)
    {
        facts_.SetWindows(major, minor, servicePack, platform);
    }
    // Runs the check with one answer for the message it may show.
    static int Check(std::vector<SeenWindow>* seen, Answer answer = Press(IDOK))
    {
        Autopilot pilot(0, {answer});
        pilot.Start();
        int result = AskAboutWindowsVersion(NULL, JudgeWindowsVersion());
        *seen = pilot.Finish();
        return result;
    }

    GlobalsScope globals_;
    FakeSystemFacts facts_;
};

TEST_F(WindowsVersion, OldSystemsAreRefused)
{
    struct {
        DWORD platform, major, minor;
    } refused[] = {{0, 3, 10}, {1, 4, 0}, {1, 4, 3}, {2, 3, 51}, {2, 4, 0}};
    for (const auto& version : refused) {
        Report(version.platform, version.major, version.minor);
        std::vector<SeenWindow> seen;
        EXPECT_EQ(0, Check(&seen)) << version.platform << " " << version.major << "." << version.minor;
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(Unsupported, seen[0].text);
        EXPECT_EQ("Tarvex Setup", seen[0].caption);
        EXPECT_EQ((UINT)MB_ICONERROR, seen[0].icon);
    }
}

TEST_F(WindowsVersion, AnUnreadableVersionIsRefused)
{
    Report(2, 6, 1);
    facts_.FailVersionQuery();
    std::vector<SeenWindow> seen;
    EXPECT_EQ(0, Check(&seen));
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(Unsupported, seen[0].text);
}

TEST_F(WindowsVersion, Windows98AndMeLetTheUserDecide)
{
    for (DWORD minor : {10u, 90u}) {
        Report(1, 4, minor);
        std::vector<SeenWindow> seen;
        EXPECT_EQ(1, Check(&seen, Press(IDYES))) << minor;
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(Untested, seen[0].text);
        EXPECT_EQ("Tarvex Setup", seen[0].caption);
        EXPECT_EQ((UINT)MB_ICONWARNING, seen[0].icon);

        EXPECT_EQ(0, Check(&seen, Press(IDNO))) << minor;
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(Untested, seen[0].text);
    }
}

TEST_F(WindowsVersion, NewerSystemsGoOnWithoutAQuestion)
{
    struct {
        DWORD platform, major, minor;
        WORD servicePack;
    } accepted[] = {{1, 4, 12, 0}, {2, 5, 0, 2}, {2, 5, 0, 3}, {2, 5, 1, 3}, {2, 6, 0, 0}, {2, 10, 0, 0}, {3, 1, 0, 0}};
    for (const auto& version : accepted) {
        Report(version.platform, version.major, version.minor, version.servicePack);
        std::vector<SeenWindow> seen;
        EXPECT_EQ(1, Check(&seen)) << version.platform << " " << version.major << "." << version.minor;
        EXPECT_EQ(0u, seen.size());
    }
}

TEST_F(WindowsVersion, OnlyNtSixAndLaterCountAsVista)
{
    struct {
        DWORD platform, major, minor;
        int vista;
    } cases[] = {{2, 5, 0, 0}, {2, 5, 2, 0}, {1, 6, 0, 0}, {3, 6, 0, 0}, {2, 6, 0, 1}, {2, 6, 1, 1}, {2, 10, 0, 1}};
    for (const auto& version : cases) {
        globals_.SetVistaOrLater(0);
        Report(version.platform, version.major, version.minor);
        ClassifyWindows();
        EXPECT_EQ(version.vista, IsVistaOrLater) << version.platform << " " << version.major << "." << version.minor;
    }
}

TEST_F(WindowsVersion, TheVistaFlagIsNeverCleared)
{
    Report(2, 6, 0);
    ClassifyWindows();
    ASSERT_EQ(1, IsVistaOrLater);
    Report(2, 5, 1);
    ClassifyWindows();
    EXPECT_EQ(1, IsVistaOrLater);
    facts_.FailVersionQuery();
    ClassifyWindows();
    EXPECT_EQ(1, IsVistaOrLater);

    globals_.SetVistaOrLater(0);
    ClassifyWindows();  // still unreadable
    EXPECT_EQ(0, IsVistaOrLater);
}

// ---------------------------------------------------------------------------
// Registry write probe

static const char* ProbeKey = "CLSID\\{00000000-0000-0000-0000-000000000000}";

TEST(RegistryProbe, ANewProbeSubkeyIsCreatedAndRemoved)
{
    RegistrySandbox sandbox;
    ASSERT_TRUE(SetText(HKEY_CLASSES_ROOT, "CLSID\\{11111111-2222-3333-4444-555555555555}", "", "other"));
    EXPECT_EQ(0, LacksRegistryWriteAccess());
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ProbeKey));
    EXPECT_EQ("other", GetText(HKEY_CLASSES_ROOT, "CLSID\\{11111111-2222-3333-4444-555555555555}", ""));
}

TEST(RegistryProbe, AnExistingProbeSubkeyKeepsItsOwnValues)
{
    RegistrySandbox sandbox;
    ASSERT_TRUE(SetText(HKEY_CLASSES_ROOT, ProbeKey, "", "was here"));
    ASSERT_TRUE(SetText(HKEY_CLASSES_ROOT, (std::string(ProbeKey) + "\\Child").c_str(), "Kept", "yes"));
    EXPECT_EQ(0, LacksRegistryWriteAccess());
    EXPECT_EQ("was here", GetText(HKEY_CLASSES_ROOT, ProbeKey, ""));
    EXPECT_EQ("yes", GetText(HKEY_CLASSES_ROOT, (std::string(ProbeKey) + "\\Child").c_str(), "Kept"));
    EXPECT_FALSE(ValueExists(HKEY_CLASSES_ROOT, ProbeKey, "X13D5SY3FG7TX"));
}

TEST(RegistryProbe, WithoutClassRegistrationsNoProbeIsMade)
{
    RegistrySandbox sandbox;
    EXPECT_EQ(0, LacksRegistryWriteAccess());
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "CLSID"));
}

// A class key that takes no lasting subkeys (it is volatile) is what a
// user without write access sees: creating the probe subkey fails.
TEST(RegistryProbe, AProbeSubkeyThatCannotBeCreatedFailsTheProbe)
{
    RegistrySandbox sandbox;
    ASSERT_TRUE(MakeKeyRefuseLastingSubkeys(HKEY_CLASSES_ROOT, "CLSID"));
    EXPECT_EQ(1, LacksRegistryWriteAccess());
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ProbeKey));
}

// ---------------------------------------------------------------------------
// Help viewer

static BOOL CALLBACK CollectText(HWND child, LPARAM param)
{
    char className[32] = "";
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0 && GetDlgCtrlID(child) == 0xFFFF)
        ((std::vector<std::string>*)param)->push_back(WindowText(child));
    return TRUE;
}

static std::vector<std::string> StaticTexts(HWND dialog)
{
    std::vector<std::string> texts;
    EnumChildWindows(dialog, CollectText, (LPARAM)&texts);
    return texts;
}

static bool BrowserOpened(const std::string& address, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    do {
        for (const std::string& line : RecordedEvents())
            if (line.rfind("browser.exe\t", 0) == 0 && line.find(address) != std::string::npos)
                return true;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

TEST(HelpViewer, TheOldestAcceptedVersionPasses)
{
    InstallHelpControl("4.72.7325.0");
    Autopilot pilot(0, {});
    pilot.Start();
    EXPECT_EQ(1, CheckHelpViewer());
    EXPECT_EQ(0u, pilot.Finish().size());
}

TEST(HelpViewer, AnOlderControlShowsTheDialogAndItsWebButtonOpensThePage)
{
    InstallHelpControl("4.72.7324.65535");
    RegisterRecordingBrowser();
    DeleteFileA("C:\\tarvex-events.log");
    bool opened = false, stayedOpen = false, centred = false;
    UINT icon = 0;
    std::vector<std::string> texts;
    std::string web, ok;
    Autopilot pilot(0, {Inspect(
                           [&](HWND dialog) {
                               texts = StaticTexts(dialog);
                               icon = MessageBoxIcon(dialog);
                               web = ItemText(dialog, 402);
                               ok = ItemText(dialog, IDOK);
                               RECT rect;
                               GetWindowRect(dialog, &rect);
                               centred = abs(rect.left + rect.right - GetSystemMetrics(SM_CXSCREEN)) <= 1 &&
                                         abs(rect.top + rect.bottom - GetSystemMetrics(SM_CYSCREEN)) <= 1;
                               ClickButton(dialog, 402);
                               opened = BrowserOpened("http://www.tarvex.example/htmlhelp.htm", 10000);
                               Sleep(200);
                               stayedOpen = IsWindow(dialog) && IsWindowVisible(dialog);
                           },
                           Press(IDOK))});
    pilot.Start();
    EXPECT_EQ(0, CheckHelpViewer());
    std::vector<SeenWindow> seen = pilot.Finish();

    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Tarvex", seen[0].caption);
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ("Tarvex was unable to locate a recent version of the Windows HTML help viewer, which is required to "
              "display Tarvex help.  In order to use Tarvex you will need to install or update the help viewer.",
              texts[0]);
    EXPECT_EQ("Information about updating your help viewer can be found on our web site at "
              "http://www.tarvex.example/htmlhelp.htm.  Click on the Web button to go there now.",
              texts[1]);
    EXPECT_EQ("&Web", web);
    EXPECT_EQ("OK", ok);
    EXPECT_EQ((UINT)MB_ICONERROR, icon);
    EXPECT_TRUE(centred);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(stayedOpen);
    std::vector<std::string> programs = RecordedPrograms();
    EXPECT_EQ(std::vector<std::string>{"browser.exe"}, programs);  // exactly one page, only on the click
}

TEST(HelpViewer, EscapeClosesTheDialogWhenNoControlIsThere)
{
    InstallHelpControl("");
    Autopilot pilot(0, {Key(VK_ESCAPE)});
    pilot.Start();
    EXPECT_EQ(0, CheckHelpViewer());
    std::vector<SeenWindow> seen = pilot.Finish();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Tarvex", seen[0].caption);
}

// ---------------------------------------------------------------------------
// Running copies

static FixtureProcess StartWindow(const char* how, const char* what, const char* closeAfterMs = "")
{
    return StartFixture("tvxwindow.exe", std::string(how) + " \"" + what + "\" " + closeAfterMs);
}

static const char* ExtractorTitle = "Tarvex Self-Extractor Personal Edition";

TEST(RunningCopies, NoWindowNoQuestion)
{
    Autopilot pilot(0, {});
    pilot.Start();
    EXPECT_EQ(1, WaitForRunningCopies());
    EXPECT_EQ(0u, pilot.Finish().size());
}

TEST(RunningCopies, EachRetryLooksAgainUntilTheProductWindowIsGone)
{
    FixtureProcess product = StartWindow("class", "Tarvex2WClass");
    ASSERT_NE(nullptr, WaitForWindow("Tarvex2WClass", NULL));
    bool closed = false;
    Autopilot pilot(0, {Press(IDRETRY), Inspect([&](HWND) { closed = CloseAndWaitUntilGone("Tarvex2WClass", NULL); },
                                               Press(IDRETRY))});
    pilot.Start();
    EXPECT_EQ(1, WaitForRunningCopies());
    std::vector<SeenWindow> seen = pilot.Finish();
    EndFixture(product);
    EXPECT_TRUE(closed);
    ASSERT_EQ(2u, seen.size());
    for (const SeenWindow& window : seen) {
        EXPECT_EQ(ProductRunning, window.text);
        EXPECT_EQ("Tarvex Setup", window.caption);
        EXPECT_EQ((UINT)MB_ICONERROR, window.icon);
    }
}

TEST(RunningCopies, ProductWindowsComeFirstThenTheSelfExtractor)
{
    FixtureProcess product = StartWindow("class", "TarvexWClass");
    FixtureProcess extractor = StartWindow("title", ExtractorTitle);
    ASSERT_NE(nullptr, WaitForWindow("TarvexWClass", NULL));
    ASSERT_NE(nullptr, WaitForWindow(NULL, ExtractorTitle));
    Autopilot pilot(0, {Inspect([](HWND) { CloseAndWaitUntilGone("TarvexWClass", NULL); }, Press(IDRETRY)),
                        Press(IDCANCEL)});
    pilot.Start();
    EXPECT_EQ(0, WaitForRunningCopies());
    std::vector<SeenWindow> seen = pilot.Finish();
    EndFixture(product);
    EndFixture(extractor);
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ(ProductRunning, seen[0].text);
    EXPECT_EQ(ExtractorRunning, seen[1].text);
    EXPECT_EQ("Tarvex Setup", seen[1].caption);
    EXPECT_EQ((UINT)MB_ICONERROR, seen[1].icon);
}

// ---------------------------------------------------------------------------
// File Manager extension

static std::string ExtensionSetting()
{
    char value[1024] = "";
    GetPrivateProfileStringA("AddOns", "Tarvex", "<none>", value, sizeof value, "winfile.ini");
    return value;
}

static bool OpensExclusively(const char* path)
{
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

static const char* Extension = "C:\\Tarvex\\TVXFM.DLL";

class FileManagerExtension : public testing::Test {
protected:
    void SetUp() override
    {
        CreateDirectoryA("C:\\Tarvex", NULL);
        MakeFile(Extension);
        DeleteFileA("C:\\tarvex-events.log");
        WritePrivateProfileStringA("AddOns", NULL, NULL, "winfile.ini");
    }
    void TearDown() override { EndFixture(fileManager_); }
    // The File Manager holding the extension; it never lets go.
    void StartFileManager()
    {
        fileManager_ = StartFixture("winfile.exe", Extension);
        ASSERT_NE(nullptr, WaitForWindow("WFS_Frame", NULL));
    }
    FixtureProcess fileManager_;
};

TEST_F(FileManagerExtension, WithoutTheSettingNothingIsTouched)
{
    StartFileManager();
    WritePrivateProfileStringA("AddOns", "Other", "C:\\other.dll", "winfile.ini");
    EXPECT_EQ(1, UnloadFileManagerExtension());
    Sleep(200);
    EXPECT_TRUE(RecordedEvents().empty());
    EXPECT_FALSE(OpensExclusively(Extension));  // still held
    char other[64] = "";
    GetPrivateProfileStringA("AddOns", "Other", "", other, sizeof other, "winfile.ini");
    EXPECT_STREQ("C:\\other.dll", other);
}

TEST_F(FileManagerExtension, WithoutTheFileManagerTheSettingStays)
{
    WritePrivateProfileStringA("AddOns", "Tarvex", Extension, "winfile.ini");
    EXPECT_EQ(1, UnloadFileManagerExtension());
    EXPECT_EQ(Extension, ExtensionSetting());
}

// A setting longer than a path names no file that could be loaded: the
// wait still ends after its limit, nothing is written past the buffer, and
// the setting, which could not be read whole, stays as it was.
TEST_F(FileManagerExtension, AnOverlongSettingEndsAfterTheBoundedWait)
{
    StartFileManager();
    std::string overlong = std::string("C:\\Tarvex\\") + std::string(400, 'x') + ".dll";
    WritePrivateProfileStringA("AddOns", "Tarvex", overlong.c_str(), "winfile.ini");
    Autopilot pilot(0, {Press(IDOK)});
    pilot.Start();
    DWORD start = GetTickCount();
    EXPECT_EQ(0, UnloadFileManagerExtension());
    DWORD elapsed = GetTickCount() - start;
    std::vector<SeenWindow> seen = pilot.Finish();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(ExtensionInUse, seen[0].text);
    EXPECT_EQ("Tarvex Setup", seen[0].caption);
    EXPECT_EQ((UINT)MB_ICONERROR, seen[0].icon);
    EXPECT_GE(elapsed, 2000u);
    EXPECT_LT(elapsed, 6000u);  // the limit and the message box answered
    EXPECT_EQ(overlong, ExtensionSetting());
    EXPECT_TRUE(EventLogged("winfile.exe\tmessage 1543\twParam=0\tlParam=0"));
}

// ---------------------------------------------------------------------------
// Waiting for a file

static DWORD TimedWait(const char* path, DWORD limitMs, int* result)
{
    DWORD start = GetTickCount();
    *result = WaitUntilFileFree(path, limitMs);
    return GetTickCount() - start;
}

TEST(WaitUntilFileFree, AFreeFileIsFreeAtOnce)
{
    MakeFile("C:\\free.dll");
    int result = 0;
    EXPECT_LT(TimedWait("C:\\free.dll", 2000, &result), 200u);
    EXPECT_EQ(1, result);
}

TEST(WaitUntilFileFree, AMissingOrHeldFileIsWaitedForUntilTheLimit)
{
    MakeFile("C:\\held.dll");
    HANDLE held = CreateFileA("C:\\held.dll", GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    for (const char* path : {"C:\\held.dll", "C:\\missing\\gone.dll"}) {
        int result = 1;
        DWORD elapsed = TimedWait(path, 300, &result);
        EXPECT_EQ(0, result) << path;
        EXPECT_GE(elapsed, 300u) << path;
        EXPECT_LT(elapsed, 1000u) << path;
    }
    CloseHandle(held);
}

static DWORD WINAPI ReleaseLater(void* handle)
{
    Sleep(300);
    CloseHandle((HANDLE)handle);
    return 0;
}

TEST(WaitUntilFileFree, AFileLetGoWithinTheLimitIsFree)
{
    MakeFile("C:\\later.dll");
    HANDLE held = CreateFileA("C:\\later.dll", GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    HANDLE thread = CreateThread(NULL, 0, ReleaseLater, held, 0, NULL);
    int result = 0;
    DWORD elapsed = TimedWait("C:\\later.dll", 2000, &result);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_EQ(1, result);
    EXPECT_GE(elapsed, 250u);
    EXPECT_LT(elapsed, 1500u);
}

static int DeliveredMessages;

static LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP + 7)
        ++DeliveredMessages;
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(WaitUntilFileFree, WindowsOfTheThreadStayResponsive)
{
    WNDCLASSA windowClass;
    ZeroMemory(&windowClass, sizeof windowClass);
    windowClass.lpfnWndProc = CountingProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = "TarvexCountingWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("TarvexCountingWindow", "", 0, 0, 0, 0, 0, NULL, NULL, windowClass.hInstance, NULL);
    ASSERT_NE(nullptr, window);
    DeliveredMessages = 0;
    PostMessageA(window, WM_APP + 7, 0, 0);
    int result;
    TimedWait("C:\\missing\\gone.dll", 100, &result);
    EXPECT_EQ(1, DeliveredMessages);
    DestroyWindow(window);
}
