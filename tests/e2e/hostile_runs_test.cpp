// Whole runs of SETUP.EXE on a machine hostile to it: every registry value
// it reads is there but unusable (of the wrong type, empty, without its
// terminating NUL, or filling its buffer to the last byte or beyond), and
// the files it reads are folders, empty or locked. Each unusable value
// must count as an absent one: the run ends as it would without it, and
// nothing is written that should not be.
#include <gtest/gtest.h>
#include "firefox_profile.h"
#include "registry_sandbox.h"
#include "setup_run.h"

static const std::string Server = TARVEX_WEB_SERVER "/instcmplt.cgi";
static const char* SourceDir = "C:\\Downloads";
static const char* AppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tarvex32.exe";
static const char* ProductSettingsKey = "Software\\Halvard Software\\Tarvex\\Tarvex";
static const char* CompanionKey = "Software\\Halvard Software\\Tarvex Companion";
static const char* CompanionUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarvex E-Mail Companion";
static const char* HoldKey = "SOFTWARE\\Google\\No Toolbar Offer Until";
static const char* InternetExplorerKey = "Software\\Microsoft\\Internet Explorer";
static const char* ToolbarServerKey = "CLSID\\{2318C2B1-4965-11d4-9B18-009027A5CD4F}\\InprocServer32";

// Text bytes stored as they are: no NUL unless the text has one.
static void SetRaw(HKEY root, const char* key, const char* name, const std::string& bytes, DWORD type)
{
    ASSERT_TRUE(SetBytes(root, key, name, bytes.data(), (DWORD)bytes.size(), type)) << key << " " << name;
}

static std::string RawValue(HKEY root, const char* key, const char* name, DWORD* type)
{
    char data[4096];
    DWORD size = sizeof data;
    *type = REG_NONE;
    if (RegGetValueA(root, key, name, RRF_RT_ANY | RRF_NOEXPAND, type, data, &size) != ERROR_SUCCESS)
        return "<none>";
    return std::string(data, size);
}

// Each value the run must leave exactly as it found it.
struct KeptValue {
    HKEY root;
    const char* key;
    const char* name;
    std::string bytes;
    DWORD type;
};

static std::vector<KeptValue> Snapshot(const std::vector<KeptValue>& values)
{
    std::vector<KeptValue> now;
    for (const KeptValue& value : values) {
        KeptValue read = value;
        read.bytes = RawValue(value.root, value.key, value.name, &read.type);
        now.push_back(read);
    }
    return now;
}

static void ExpectUnchanged(const std::vector<KeptValue>& before)
{
    std::vector<KeptValue> after = Snapshot(before);
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(before[i].bytes, after[i].bytes) << before[i].key << " " << before[i].name;
        EXPECT_EQ(before[i].type, after[i].type) << before[i].key << " " << before[i].name;
    }
}

// Registry: every value setup reads is unusable. What setup should make of
// it: no product installed before (App Paths overfull), no compression
// setting (wrong type), no e-mail companion (its folder overfull, its
// uninstall entry a number), Internet Explorer below version 6 (its version
// a number), a Firefox 3.6 (that check takes the bytes whatever their
// type) without the toolbar (its id a number, profiles.ini locked). So:
// dialog 800, accepted; dialog 503, declined; the product installed, the
// companion's installer run, and the report with gglf:0 and bm=1.
TEST(HostileRun, UnusableRegistryValuesCountAsAbsent)
{
    SetWindowsVersionFor("SETUP.EXE", "winxp");
    std::string setup = PrepareSourceFolder(
        SourceDir, {"product-14.0\\TARVEX140.MSI", "TarvexEmailComp20.exe", "gtb6ie.exe", "duzorizu32.exe"});

    // The installed program: a path that fills the 260-byte buffer with no
    // NUL, naming a real program if it were cut.
    CreateDirectoryA("C:\\Old", NULL);
    ASSERT_TRUE(CopyFixture("product-14.1\\Tarvex32.exe", "C:\\Old\\Tarvex32.exe"));
    SetRaw(HKEY_LOCAL_MACHINE, AppPathsKey, "", "C:\\Old\\Tarvex32.exe" + std::string(260 - 19, ' '), REG_SZ);
    SetRaw(HKEY_LOCAL_MACHINE, ProductSettingsKey, "DefaultCompressionMethod", "0", REG_BINARY);
    // The companion's marker where a cut folder name would find it.
    CreateDirectoryA("C:\\Mail", NULL);
    WriteFileBytes("C:\\Mail\\txofcsvc.dll", "");
    SetRaw(HKEY_LOCAL_MACHINE, CompanionKey, "InstallPath", "C:\\Mail" + std::string(520 - 7, ' '), REG_SZ);
    SetRaw(HKEY_LOCAL_MACHINE, CompanionUninstallKey, "InstallLocation", std::string(4, '\0'), REG_DWORD);
    SetRaw(HKEY_LOCAL_MACHINE, CompanionUninstallKey, "UninstallString", std::string(4, '\0'), REG_DWORD);
    // Internet Explorer: the default browser (the recorder under its name,
    // which receives the report; a command that fills the 1024-byte buffer
    // is read in-process, as the shell itself cannot start one that long),
    // a version of the wrong type, an empty toolbar registration and a
    // "no" of the wrong type.
    std::string command = "\"" + FixturePath("iexplore.exe") + "\" \"%1\"";
    SetRaw(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "", command, REG_SZ);  // no NUL
    SetRaw(HKEY_LOCAL_MACHINE, InternetExplorerKey, "Version", std::string("\x07\0\0\0", 4), REG_DWORD);
    SetRaw(HKEY_CLASSES_ROOT, ToolbarServerKey, "", "", REG_EXPAND_SZ);
    SetRaw(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Main", "Enable Browser Extensions", "no",
           REG_BINARY);
    // Firefox: a version that fills its 256-byte buffer, a toolbar id that
    // is a number, and a profiles.ini nobody may read.
    SetRaw(HKEY_LOCAL_MACHINE, "Software\\Mozilla\\Mozilla Firefox", "CurrentVersion",
           "3.6 (en-US)" + std::string(256 - 11, 'x'), REG_BINARY);
    SetRaw(HKEY_LOCAL_MACHINE, "Software\\Google\\Toolbar for Firefox", "id", std::string(4, '\0'), REG_DWORD);
    WriteProfilesIni("[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=Profiles\\found\r\nDefault=1\r\n");
    WriteExtensionsCache("Profiles\\found", TOOLBAR_EXTENSION_ID);
    HANDLE locked = CreateFileA((FirefoxFolder() + "\\profiles.ini").c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING,
                                0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);
    // Offer holds of other programs: a text and an empty number are
    // malformed and go; a hold until far ahead stays.
    SetRaw(HKEY_LOCAL_MACHINE, HoldKey, "Text Maker", "20991231", REG_SZ);
    SetRaw(HKEY_LOCAL_MACHINE, HoldKey, "Empty Maker", "", REG_DWORD);
    ASSERT_TRUE(SetNumber(HKEY_LOCAL_MACHINE, HoldKey, "Future Maker", 20991231));

    std::vector<KeptValue> kept = Snapshot({
        {HKEY_LOCAL_MACHINE, ProductSettingsKey, "DefaultCompressionMethod", "", 0},
        {HKEY_LOCAL_MACHINE, CompanionKey, "InstallPath", "", 0},
        {HKEY_LOCAL_MACHINE, CompanionUninstallKey, "InstallLocation", "", 0},
        {HKEY_LOCAL_MACHINE, CompanionUninstallKey, "UninstallString", "", 0},
        {HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "", "", 0},
        {HKEY_LOCAL_MACHINE, InternetExplorerKey, "Version", "", 0},
        {HKEY_CLASSES_ROOT, ToolbarServerKey, "", "", 0},
        {HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Main", "Enable Browser Extensions", "", 0},
        {HKEY_LOCAL_MACHINE, "Software\\Mozilla\\Mozilla Firefox", "CurrentVersion", "", 0},
        {HKEY_LOCAL_MACHINE, "Software\\Google\\Toolbar for Firefox", "id", "", 0},
        {HKEY_LOCAL_MACHINE, HoldKey, "Future Maker", "", 0},
    });

    SetupResult run = RunSetupProgram(setup, {Key(VK_RETURN), Inspect([](HWND dialog) {
                                                                  ClickButton(dialog, 512);  // do not install
                                                                  Sleep(200);
                                                              },
                                                              Press(IDOK))});
    CloseHandle(locked);

    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.exitCode);
    ASSERT_EQ(2u, run.windows.size());
    EXPECT_EQ("Tarvex Setup - Tarvex E-Mail Companion", run.windows[0].caption);
    EXPECT_EQ("Tarvex Setup - Google Toolbar", run.windows[1].caption);
    EXPECT_TRUE(ProductInstalled());
    std::vector<std::string> events = EventsOnce(2);
    ASSERT_EQ(2u, events.size());
    EXPECT_EQ("TarvexEmailComp20.exe\t\tinstalled=yes", WithoutOrigin(events[0]));
    EXPECT_EQ("iexplore.exe\t\"" + Server + "?pid=TVX-SETUP&ver=14.0.8688.1&lang=en&vid=demo&3pa=gglf:0&bm=1\"\tinstalled=yes",
              WithoutOrigin(events[1]));

    ExpectUnchanged(kept);
    EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, HoldKey, "Text Maker"));
    EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, HoldKey, "Empty Maker"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google\\Google Toolbar"));
}

// Files: File Manager's winfile.ini is a folder, the installed program that
// App Paths names is a folder, the registry cleaner's installer is an empty
// file (present is all setup asks of it) and the e-mail companion's
// installer is missing. So: no extension to unload, no product before,
// dialog 900 accepted, the product installed, the launcher run with /rb2,
// and the report with unbl:0 (the partner DLL still says yes).
TEST(HostileRun, FoldersAndEmptyFilesWhereFilesBelong)
{
    SetWindowsVersionFor("SETUP.EXE", "winxp");
    RegisterRecordingBrowser();
    SetFixtureSetting("duzorizu32.exe", "SetEvent", "Tarvex32_SETUP_RB2RUNNING");
    std::string setup = PrepareSourceFolder(
        SourceDir, {"product-14.0\\TARVEX140.MSI", "RB2compatibilityCheck.dll", "duzorizu32.exe", "gtb6ie.exe"});
    ASSERT_TRUE(WriteFileBytes(std::string(SourceDir) + "\\RegistryBooster2Tvex.exe", ""));
    ASSERT_TRUE(CreateDirectoryA("C:\\windows\\winfile.ini", NULL));
    ASSERT_TRUE(MakeFolders("C:\\Old\\Tarvex32.exe\\x"));
    ASSERT_TRUE(SetText(HKEY_LOCAL_MACHINE, AppPathsKey, "", "C:\\Old\\Tarvex32.exe"));

    SetupResult run = RunSetupProgram(setup, {Key(VK_RETURN)});

    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.exitCode);
    ASSERT_EQ(1u, run.windows.size());
    EXPECT_EQ("Tarvex Setup - Uniblue RegistryBooster 2 Offer", run.windows[0].caption);
    EXPECT_TRUE(ProductInstalled());
    std::vector<std::string> events = EventsOnce(2);
    ASSERT_EQ(2u, events.size());
    EXPECT_EQ("duzorizu32.exe\t/rb2\tinstalled=yes", WithoutOrigin(events[0]));
    EXPECT_EQ("browser.exe\t\"" + Server + "?pid=TVX-SETUP&ver=14.0.8688.1&lang=en&vid=demo&3pa=unbl:0&bm=1\"\tinstalled=yes",
              WithoutOrigin(events[1]));
    // Nothing was made of the folders.
    DWORD attributes = GetFileAttributesA("C:\\windows\\winfile.ini");
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    attributes = GetFileAttributesA("C:\\Old\\Tarvex32.exe");
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
}
