// The runs of setup that the scenario tests check and the demo plays. Each
// is a machine, the user's answers to the windows in turn, and what the user
// must see, what must run in which order, what is installed, what stays in
// the registry and which report is sent.
#include "scenario.h"
#include "fixture_process.h"
#include "firefox_profile.h"
#include "registry_sandbox.h"
#include "resources/resource.h"

namespace {

const std::string Package = "product-14.0\\TARVEX140.MSI";
const std::string ToolbarInstaller = "gtb6ie.exe";
const std::string Launcher = "duzorizu32.exe";
const std::string CompanionInstaller = "TarvexEmailComp20.exe";
const std::vector<std::string> CleanerFiles = {"RB2compatibilityCheck.dll", "RegistryBooster2Tvex.exe"};
const UINT Error = MB_ICONERROR, Warning = MB_ICONWARNING, Information = MB_ICONINFORMATION;

// Windows XP with Internet Explorer 6 as the default browser, the package
// beside setup, and an administrator at the keyboard (the only user Wine has).
Machine XPWithoutPackage()
{
    return Machine().Windows("winxp").Browser("iexplore");
}

Machine XP()
{
    return XPWithoutPackage().Beside({Package});
}

// The toolbar's installer and the partner launcher beside setup.
Machine XPWithToolbar()
{
    return XP().Beside({ToolbarInstaller, Launcher});
}

Machine XPWithCleaner(Machine machine = XP())
{
    return machine
        .Beside(CleanerFiles)
        .Beside({Launcher})
        .Partner("duzorizu32.exe:SetEvent=Tarvex32_SETUP_RB2RUNNING")
        .Partner("RB2compatibilityCheck.dll:SecondAnswer=0");
}

// A double-click on each legal link of the toolbar offer, the second once
// the first page has opened, so the pages open in a known order.
Answer DoubleClickBothLinks(Answer then)
{
    return Inspect(
        [](HWND dialog) {
            DoubleClickControl(dialog, IDC_TOOLBAR_TERMS, 3, 3);
            EventsOnce(1);
            Sleep(300);  // time for a second opening, which must not come
            DoubleClickControl(dialog, IDC_TOOLBAR_PRIVACY, 3, 3);
            EventsOnce(2);
            Sleep(300);
        },
        then);
}

void FirefoxInstalled()
{
    SetText(HKEY_LOCAL_MACHINE, "Software\\Mozilla\\Mozilla Firefox", "CurrentVersion", "3.5.7 (en-US)");
}

void ProductWindowOpen()
{
    StartFixture("tvxwindow.exe", "class TarvexWClass");
    WaitForWindow("TarvexWClass", NULL);
}

// The File Manager with the old extension loaded, holding on to it for
// 3 s after it is asked to let go.
const char* const FileManagerExtension = "C:\\Program Files\\Tarvex\\TVXFM.DLL";

void FileManagerHoldingTheExtension()
{
    CreateDirectoryA("C:\\Program Files\\Tarvex", NULL);
    MakeFile(FileManagerExtension);
    WritePrivateProfileStringA("AddOns", "Tarvex", FileManagerExtension, "winfile.ini");
    StartFixture("winfile.exe", std::string("\"") + FileManagerExtension + "\" 3000");
    WaitForWindow("WFS_Frame", NULL);
}

void OldHelpViewer()
{
    InstallHelpControl("4.72.7324.65535");
}

void NoRightToTheClassRegistrations()
{
    MakeKeyRefuseLastingSubkeys(HKEY_CLASSES_ROOT, "CLSID");
}

void WindowsInstallerMissing()
{
    DeleteFileA("C:\\windows\\system32\\msiexec.exe");
}

// The typical run's end: the toolbar offer, the toolbar installed before the
// product, IDS_TOOLBAR_INSTALLED_IE, and the report of the installed toolbar.
Expected ToolbarInstalledForInternetExplorer()
{
    return Expected()
        .Shows({Dialog(IDD_TOOLBAR_IE), Message(IDS_TOOLBAR_INSTALLED_IE, Information)})
        .Runs({"duzorizu32.exe /tbie (before the product)"})
        .Installs()
        .Reports("3pa=ggle:1&bm=1");
}

// The e-mail companion's and the registry cleaner's files beside setup, and
// the product's installer replaced by the recorder, ending with the code.
Machine XPWithBothPartnersInstallerEndingWith(int code)
{
    return XPWithCleaner()
        .Beside({CompanionInstaller})
        .With(WindowsInstallerStandIn)
        .Partner(("msiexec.exe:ExitCode=" + std::to_string(code)).c_str());
}

// Both offers accepted, and the product's installer could not be started:
// IDS_PACKAGE_NOT_STARTED and no partner.
Expected PackageNotStartedAfterBothOffers()
{
    return Expected().Shows({Dialog(IDD_EMAIL_COMPANION), Dialog(IDD_REGISTRY_CLEANER),
                             Message(IDS_PACKAGE_NOT_STARTED, Warning, {"C:\\Downloads\\", "TARVEX140.MSI"})});
}

const std::string PlainInstaller = "msiexec.exe /i \"C:\\Downloads\\TARVEX140.MSI\" (before the product)";

// Both offers accepted, then the product's installer and nothing after it.
Expected BothOffersThenOnlyTheInstaller(DWORD code)
{
    return Expected()
        .Shows({Dialog(IDD_EMAIL_COMPANION), Dialog(IDD_REGISTRY_CLEANER)})
        .Runs({PlainInstaller})
        .EndsWith(code);
}

// The e-mail companion installed in C:\Mail, known only by its uninstall
// entry: its command and, unless null, its InstallLocation.
std::function<void()> CompanionInstalled(const char* uninstallString, const char* installLocation = nullptr)
{
    return [=] {
        const char* entry = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarvex E-Mail Companion";
        CreateDirectoryA("C:\\Mail", NULL);
        MakeFile("C:\\Mail\\txofcsvc.dll");
        SetText(HKEY_LOCAL_MACHINE, entry, "UninstallString", uninstallString);
        if (installLocation != nullptr)
            SetText(HKEY_LOCAL_MACHINE, entry, "InstallLocation", installLocation);
    };
}

// The default profile made in a folder of its own choosing, outside the
// Firefox folder, as Firefox writes it, with the toolbar in its cache.
void FirefoxProfileElsewhereWithToolbar()
{
    WriteProfilesIni("[Profile0]\r\nName=work\r\nIsRelative=0\r\nPath=C:\\Profiles\\work\r\nDefault=1\r\n");
    WriteFileBytes("C:\\Profiles\\work\\extensions.cache", TOOLBAR_EXTENSION_ID);
}

// A source folder as deep as SETUP.EXE and the package may lie in, where
// the partners' longer names no longer fit into a path.
const std::string DeepFolder = "C:\\Downloads\\" + std::string(120, 'd') + "\\" + std::string(107, 'e');

// Wine takes the planted theme library from a folder only when allowed to
// take native copies of it (version.dll cannot be allowed: Wine's own
// user32 imports it while any process starts).
void NativeThemeLibraryAllowed()
{
    SetText(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", "uxtheme", "native,builtin");
}

// The cleaner's compatibility DLL needs a library of the partner's lying
// beside it; DLLs planted under system names lie there too.
Machine XPWithCleanerAndItsLibrary()
{
    return XP()
        .Beside({"with-library\\RB2compatibilityCheck.dll", "with-library\\RB2common.dll",
                 "RegistryBooster2Tvex.exe", Launcher, "planted\\version.dll", "planted\\uxtheme.dll"})
        .Partner("duzorizu32.exe:SetEvent=Tarvex32_SETUP_RB2RUNNING")
        .Partner("RB2compatibilityCheck.dll:SecondAnswer=1")
        .With(NativeThemeLibraryAllowed);
}

// A system without SetDefaultDllDirectories (Windows XP, and Vista and 7
// without KB2533623), which Wine cannot be made into: setup is told through
// its environment that the function is missing.
void WithoutRestrictedDllSearch()
{
    SetEnvironmentVariableA("TARVEX_SETUP_LACKS", "SetDefaultDllDirectories");
}

// No program answers for web addresses: the shell has no command for them.
void NoWebBrowser()
{
    DeleteTree(HKEY_CLASSES_ROOT, "http\\shell");
}

// The typical machine with every partner's files beside setup and the
// product's installer replaced by the recorder, which installs the package.
Machine XPWithEveryPartner()
{
    return XPWithToolbar()
        .Beside(CleanerFiles)
        .Beside({CompanionInstaller})
        .Partner("duzorizu32.exe:SetEvent=Tarvex32_SETUP_RB2RUNNING")
        .With(WindowsInstallerStandIn)
        .Partner("msiexec.exe:InstallPackage=1");
}

void LogFolder()
{
    CreateDirectoryA("C:\\logs", NULL);
}

const char* const QuietWithLog = "/quiet /norestart /log C:\\logs\\setup.log";
// What an unattended run's installer starts with: no error box of the
// system's for a missing disk either.
const std::string QuietInstaller =
    "msiexec.exe /i \"C:\\Downloads\\TARVEX140.MSI\" /qn (before the product, error mode 0x8001)";

// A user whose name code page 1252 lacks a letter of ("Ł"), and one
// written in Chinese letters: the folders Windows makes for them.
const std::string PolishUser = "C:\\users\\Łukasz";
const std::string ChineseUser = "C:\\users\\王小明";

// Setup started from the user's downloads, and the package installed by the
// recorder in place of the Windows Installer, which logs its command line.
Machine XPFromDownloadsOf(const std::string& user)
{
    return XP().From(user + "\\Downloads").With(WindowsInstallerStandIn).Partner("msiexec.exe:InstallPackage=1");
}

Expected InstalledFromDownloadsOf(const std::string& user)
{
    return Expected()
        .Runs({"msiexec.exe /i \"" + user + "\\Downloads\\TARVEX140.MSI\" (before the product)"})
        .Installs()
        .Reports("3pa=&bm=1");
}

// The Polish user's application data, where Windows keeps it, with the
// default Firefox profile there holding the toolbar.
void FirefoxProfileOfThePolishUserWithToolbar()
{
    UseAppDataFolder(PolishUser + "\\AppData\\Roaming");
    WriteProfilesIni("[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=Profiles/a.default\r\nDefault=1\r\n");
    WriteExtensionsCache("Profiles\\a.default", TOOLBAR_EXTENSION_ID);
}

void PolishUserFolder()
{
    MakeFolders(PolishUser);
}

// The cleaner accepted and started after the product; its DLL still lets
// it be offered afterwards, so the report says it is not installed.
Expected CleanerInstalledWithItsLibrary()
{
    return Expected()
        .Shows({Dialog(IDD_REGISTRY_CLEANER)})
        .Runs({"duzorizu32.exe /rb2 (after the product)"})
        .Installs()
        .Reports("3pa=unbl:0&bm=1");
}

// The same version of the product, installed before this run.
void ProductAlreadyInstalled()
{
    CopyFixture(Package, "C:\\earlier.msi");
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process;
    char commandLine[] = "msiexec /i C:\\earlier.msi /qn";
    if (CreateProcessA(NULL, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        WaitForSingleObject(process.hProcess, 60000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace

const std::vector<Scenario>& AllScenarios()
{
    static const std::vector<Scenario> scenarios = {
        {"typical",
         "Windows XP, an administrator, Internet Explorer the default browser, no e-mail companion beside setup; "
         "the user installs the toolbar and confirms its message",
         XPWithToolbar(),
         {Press(IDOK), Press(IDOK)},
         ToolbarInstalledForInternetExplorer()},

        {"firefox",
         "Windows XP, Firefox 3.5.7 the default browser; the user installs the toolbar for Firefox",
         XPWithToolbar().Browser("firefox").With(FirefoxInstalled),
         {Press(IDOK), Press(IDOK)},
         Expected()
             .Shows({Dialog(IDD_TOOLBAR_FIREFOX), Message(IDS_TOOLBAR_INSTALLED_FIREFOX, Information)})
             .Runs({"duzorizu32.exe /tbff (before the product)"})
             .Installs()
             .Reports("3pa=gglf:1&bm=1")},

        {"declined-toolbar",
         "Windows XP, Internet Explorer the default browser, the registry cleaner also beside setup; the user "
         "declines the toolbar, and the registry cleaner is not offered after a toolbar offer",
         XPWithToolbar().Beside(CleanerFiles),
         {Choose(IDC_TOOLBAR_DECLINE, Press(IDOK))},
         Expected().Shows({Dialog(IDD_TOOLBAR_IE)}).Installs().Reports("3pa=ggle:0&bm=1")},

        {"registry-cleaner",
         "Windows XP, no toolbar installer beside setup, the registry cleaner's files are; the user accepts the "
         "registry cleaner, which no longer qualifies once installed",
         XPWithCleaner(),
         {Press(IDOK)},
         Expected()
             .Shows({Dialog(IDD_REGISTRY_CLEANER)})
             .Runs({"duzorizu32.exe /rb2 (after the product)"})
             .Installs()
             .Reports("3pa=unbl:1&bm=1")},

        {"email-companion",
         "Windows XP, the e-mail companion's installer beside setup; the user accepts it",
         XP().Beside({CompanionInstaller}),
         {Press(IDOK)},
         Expected()
             .Shows({Dialog(IDD_EMAIL_COMPANION)})
             .Runs({"TarvexEmailComp20.exe (after the product)"})
             .Installs()
             .Reports("3pa=&bm=1")},

        {"same-version-again",
         "Windows XP with this version of the product already installed; setup runs again",
         XP().With(ProductAlreadyInstalled),
         {},
         Expected().Installs()},

        {"windows-95",
         "Windows 95: setup refuses it",
         XP().Windows("win95"),
         {Press(IDOK)},
         Expected().Shows({Message(IDS_WINDOWS_UNSUPPORTED, Error)}).EndsBeforeTheRegistryWork().EndsWith(1150)},

        {"windows-98-no",
         "Windows 98: setup asks whether to go on on an untested system, and the user says No",
         XP().Windows("win98"),
         {Press(IDNO)},
         Expected().Shows({Message(IDS_WINDOWS_UNTESTED, Warning)}).EndsBeforeTheRegistryWork().EndsWith(1602)},

        {"old-help-viewer",
         "Windows XP with an HTML Help control older than 4.72.7325.0; the user reads dialog 400 and presses OK",
         XP().With(OldHelpViewer),
         {Press(IDOK)},
         Expected().Shows({Dialog(IDD_HELP_VIEWER)}).EndsBeforeTheRegistryWork().EndsWith(1603)},

        {"no-administrator",
         "Windows XP, a user who may not write the machine's class registrations",
         XP().With(NoRightToTheClassRegistrations),
         {Press(IDOK)},
         Expected().Shows({Message(IDS_NEEDS_ADMINISTRATOR, Error)}).EndsBeforeTheRegistryWork().EndsWith(1603)},

        {"product-running",
         "Windows XP with Tarvex open; the user cancels setup instead of closing it",
         XP().With(ProductWindowOpen),
         {Press(IDCANCEL)},
         Expected().Shows({Message(IDS_PRODUCT_RUNNING, Error)}).EndsWith(1602)},

        {"file-manager-extension",
         "Windows XP with the File Manager holding the product's old extension past the 2 s setup waits",
         XP().With(FileManagerHoldingTheExtension),
         {Press(IDOK)},
         Expected()
             .Shows({Message(IDS_FILE_MANAGER_EXTENSION, Error)})
             .Runs({"winfile.exe message 1543 (before the product)"})
             .LeavesFileManagerExtension(FileManagerExtension)
             .EndsWith(1618)},

        {"links-double-clicked",
         "The typical run; before installing the toolbar the user double-clicks both legal links",
         XPWithToolbar(),
         {DoubleClickBothLinks(Press(IDOK)), Press(IDOK)},
         ToolbarInstalledForInternetExplorer().Opens({"GOTBTU", "GOTBPR"})},

        {"offer-cancelled",
         "The typical machine; the user closes the toolbar offer with Esc",
         XPWithToolbar(),
         {Key(VK_ESCAPE), Press(IDOK)},
         Expected().Shows({Dialog(IDD_TOOLBAR_IE), Message(IDS_NOT_INSTALLED, Information)}).EndsWith(1602)},

        {"windows-installer-missing",
         "Windows XP without a Windows Installer; the user accepts the e-mail companion and the registry cleaner, "
         "neither of which is installed without Tarvex",
         XPWithCleaner().Beside({CompanionInstaller}).With(WindowsInstallerMissing),
         {Press(IDOK), Press(IDOK), Press(IDOK)},
         PackageNotStartedAfterBothOffers().EndsWith(1601)},

        {"package-missing",
         "Windows XP without the package beside setup; the user accepts the e-mail companion and the registry "
         "cleaner, neither of which is installed without Tarvex",
         XPWithCleaner(XPWithoutPackage()).Beside({CompanionInstaller}),
         {Press(IDOK), Press(IDOK), Press(IDOK)},
         PackageNotStartedAfterBothOffers().EndsWith(1619)},

        {"desktop-search-blocked",
         "The typical machine, where Google Desktop Search was uninstalled without a restart",
         XPWithToolbar().Partner("duzorizu32.exe:ExitCode=10"),
         {Press(IDOK), Press(IDOK)},
         Expected()
             .Shows({Dialog(IDD_TOOLBAR_IE), Message(IDS_DESKTOP_SEARCH_BLOCKED, Warning)})
             .Runs({"duzorizu32.exe /tbie (before the product)"})
             .Installs()
             .Reports("3pa=ggle:0&bm=1")},

        {"windows-installer-cancelled",
         "Windows XP; the user accepts the e-mail companion and the registry cleaner, then cancels the "
         "product's own installation (the installer ends with 1602): neither partner is installed",
         XPWithBothPartnersInstallerEndingWith(1602),
         {Press(IDOK), Press(IDOK)},
         BothOffersThenOnlyTheInstaller(1602)},

        {"windows-installer-failed",
         "Windows XP; the user accepts the e-mail companion and the registry cleaner, and the product's "
         "installation fails (the installer ends with 1603): neither partner is installed",
         XPWithBothPartnersInstallerEndingWith(1603),
         {Press(IDOK), Press(IDOK)},
         BothOffersThenOnlyTheInstaller(1603)},

        {"windows-installer-cannot-open-package",
         "Windows XP; the user accepts the e-mail companion and the registry cleaner, and the product's "
         "installer cannot open its package (it ends with 1619)",
         XPWithBothPartnersInstallerEndingWith(1619),
         {Press(IDOK), Press(IDOK)},
         BothOffersThenOnlyTheInstaller(1619)},

        {"restart-started",
         "Windows XP; the user accepts the e-mail companion and the registry cleaner, and the product's "
         "installer installs it and starts a restart of Windows (it ends with 1641): nothing more starts",
         XPWithBothPartnersInstallerEndingWith(1641).Partner("msiexec.exe:InstallPackage=1"),
         {Press(IDOK), Press(IDOK)},
         BothOffersThenOnlyTheInstaller(1641).Installs()},

        {"restart-required",
         "Windows XP, the e-mail companion's installer beside setup; the user accepts it, and the product's "
         "installer asks for a restart (it ends with 3010)",
         XP().Beside({CompanionInstaller})
             .With(WindowsInstallerStandIn)
             .Partner("msiexec.exe:ExitCode=3010")
             .Partner("msiexec.exe:InstallPackage=1"),
         {Press(IDOK)},
         Expected()
             .Shows({Dialog(IDD_EMAIL_COMPANION)})
             .Runs({"msiexec.exe /i \"C:\\Downloads\\TARVEX140.MSI\" (before the product)",
                    "TarvexEmailComp20.exe (after the product)"})
             .Installs()
             .Reports("3pa=&bm=1").EndsWith(3010)},

        {"email-companion-installed",
         "Windows XP, the e-mail companion's installer beside setup, and the companion already installed, "
         "its uninstall command a quoted uninstaller followed by /S",
         XP().Beside({CompanionInstaller}).With(CompanionInstalled("\"C:\\Mail\\unins000.exe\" /S")),
         {},
         Expected().Installs().Reports("3pa=&bm=1")},

        {"email-companion-logged-uninstall",
         "Windows XP, the e-mail companion's installer beside setup, and the companion already installed, "
         "its uninstall command a quoted uninstaller followed by a quoted log file",
         XP().Beside({CompanionInstaller})
             .With(CompanionInstalled("\"C:\\Mail\\unins000.exe\" /LOG=\"C:\\Logs\\unins.log\"")),
         {},
         Expected().Installs().Reports("3pa=&bm=1")},

        {"email-companion-empty-location",
         "Windows XP, the e-mail companion's installer beside setup, and the companion already installed, "
         "its uninstall entry with an empty InstallLocation and a quoted uninstaller",
         XP().Beside({CompanionInstaller}).With(CompanionInstalled("\"C:\\Mail\\unins000.exe\"", "")),
         {},
         Expected().Installs().Reports("3pa=&bm=1")},

        {"firefox-profile-elsewhere",
         "Windows XP, Firefox 3.5.7 the default browser, its default profile in a folder of its own "
         "(IsRelative=0) with the toolbar installed there",
         XPWithToolbar().Browser("firefox").With(FirefoxInstalled).With(FirefoxProfileElsewhereWithToolbar),
         {},
         Expected().Installs().Reports("3pa=&bm=1")},

        {"deep-source-folder",
         "Windows XP, setup and the package in a folder so deep that the paths of the e-mail companion's and "
         "the registry cleaner's files do not fit",
         XPWithCleaner().Beside({CompanionInstaller}).From(DeepFolder),
         {},
         Expected().Installs().Reports("3pa=&bm=1")},

        {"windows-7-standard-user",
         "Windows 7, a standard user, Internet Explorer the default browser: no machine-wide registry write is "
         "allowed, so the toolbar's test write fails (mask 0x02) and its installer is started elevated; the user "
         "installs the toolbar",
         XPWithToolbar().Windows("win7").With(StandardUserMachineKeys),
         {Press(IDOK), Press(IDOK)},
         ToolbarInstalledForInternetExplorer().IsRefusedEveryMachineWrite()},

        {"windows-7-standard-user-plain",
         "Windows 7, a standard user, only the package beside setup",
         XP().Windows("win7").With(StandardUserMachineKeys),
         {},
         Expected().Installs().IsRefusedEveryMachineWrite().Reports("3pa=&bm=1")},

        {"cleaner-with-own-library",
         "Windows XP, no toolbar installer beside setup; the registry cleaner's compatibility DLL needs a library "
         "of its own beside it, where DLLs planted under system names lie too; the user accepts the cleaner",
         XPWithCleanerAndItsLibrary(),
         {Press(IDOK)},
         CleanerInstalledWithItsLibrary()},

        {"older-dll-search",
         "As cleaner-with-own-library, on a Windows whose DLL search cannot be kept to the system folder: "
         "setup takes the system's libraries before anything can look for them beside it",
         XPWithCleanerAndItsLibrary().With(WithoutRestrictedDllSearch),
         {Press(IDOK)},
         CleanerInstalledWithItsLibrary()},

        {"vista-dll-search",
         "As cleaner-with-own-library, on Windows Vista with the update that brings SetDefaultDllDirectories, "
         "where a process that called it cannot create the shell's objects: setup takes the older way, the "
         "system's libraries loaded before anything can look for them beside it; run with a log",
         XPWithCleanerAndItsLibrary().Windows("vista").With(LogFolder),
         {Press(IDOK)},
         CleanerInstalledWithItsLibrary().Logs({"Windows 6.0", "DLL search kept to the system folder: no",
                                                "registry cleaner offer: accepted"}),
         "/log C:\\logs\\setup.log"},

        {"no-web-browser",
         "Only the package beside setup; no program answers for web addresses: the report cannot be opened, "
         "and setup ends without a box of the shell's",
         XP().With(NoWebBrowser),
         {},
         Expected().Installs()},

        {"quiet",
         "The typical machine with every partner's files beside setup; an administrator deploys setup with "
         "/quiet /norestart /log C:\\logs\\setup.log: no window, no offer, no partner, no page",
         XPWithEveryPartner().With(LogFolder),
         {},
         Expected()
             .Runs({"msiexec.exe /i \"C:\\Downloads\\TARVEX140.MSI\" /qn REBOOT=ReallySuppress /l*v "
                    "\"C:\\logs\\setup-installer.log\" (before the product, error mode 0x8001)"})
             .Installs()
             .Logs({"started with: /quiet /norestart /log C:\\logs\\setup.log", "Windows 5.1.2600 platform 2",
                    "Windows version: supported", "HTML Help viewer recent enough: yes",
                    "write access to the class registrations: yes", "browser add-on entries prepared",
                    "installed version before: 0.0.0.0", "source folder: C:\\Downloads\\",
                    "e-mail companion offer: not made, unattended run", "toolbar offer: not made, unattended run",
                    "registry cleaner offer: not made, unattended run",
                    "Windows Installer: msiexec /i \"C:\\Downloads\\TARVEX140.MSI\" /qn REBOOT=ReallySuppress /l*v",
                    "Windows Installer ended with 0", "exit code 0"}),
         QuietWithLog},

        {"passive",
         "As quiet, with /passive: the product's installer shows its progress",
         XPWithEveryPartner(),
         {},
         Expected()
             .Runs({"msiexec.exe /i \"C:\\Downloads\\TARVEX140.MSI\" /qb!- REBOOTPROMPT=S "
                    "(before the product, error mode 0x8001)"})
             .Installs(),
         "/passive"},

        {"quiet-windows-95",
         "/quiet on Windows 95: refused without a word",
         XP().Windows("win95"),
         {},
         Expected().EndsBeforeTheRegistryWork().EndsWith(1150),
         "/quiet"},

        {"quiet-windows-98",
         "/quiet on Windows 98: nobody is there to take the risk of an untested Windows, so it is refused",
         XP().Windows("win98"),
         {},
         Expected().EndsBeforeTheRegistryWork().EndsWith(1150),
         "/quiet"},

        {"quiet-product-running",
         "/quiet with Tarvex open: not waited for; the engine is told to try again later",
         XP().With(ProductWindowOpen),
         {},
         Expected().EndsWith(1618),
         "/quiet"},

        {"quiet-package-missing",
         "/quiet without the package beside setup",
         XPWithoutPackage(),
         {},
         Expected().EndsWith(1619),
         "/quiet"},

        {"quiet-installer-failed",
         "/quiet; the product's installation fails (1603)",
         XPWithEveryPartner().Partner("msiexec.exe:InstallPackage=0").Partner("msiexec.exe:ExitCode=1603"),
         {},
         Expected().Runs({QuietInstaller}).EndsWith(1603),
         "/quiet"},

        {"quiet-restart-required",
         "/quiet; the product's installer asks for a restart (3010)",
         XPWithEveryPartner().Partner("msiexec.exe:ExitCode=3010"),
         {},
         Expected().Runs({QuietInstaller}).Installs().EndsWith(3010),
         "/quiet"},

        {"quiet-log-folder-missing",
         "/quiet with a log in a folder that does not exist: nothing is changed",
         XPWithEveryPartner(),
         {},
         Expected().EndsBeforeTheRegistryWork().EndsWith(1622),
         QuietWithLog},

        {"quiet-log-name-too-long",
         "/quiet with a log whose name leaves no room for the installer's log beside it: nothing is changed",
         XPWithEveryPartner().With(LogFolder),
         {},
         Expected().EndsBeforeTheRegistryWork().EndsWith(1622),
         "/quiet /log C:\\logs\\" + std::string(238, 'a') + ".log"},

        {"quiet-unknown-switch",
         "/quiet with a switch setup does not know: nothing is changed",
         XPWithEveryPartner(),
         {},
         Expected().EndsBeforeTheRegistryWork().EndsWith(1639),
         "/quiet /silent"},

        {"unknown-switch",
         "The typical run, started with a switch setup does not know: it is ignored",
         XPWithToolbar(),
         {Press(IDOK), Press(IDOK)},
         ToolbarInstalledForInternetExplorer(),
         "/silent"},

        {"source-folder-the-code-page-lacks",
         "Windows XP in code page 1252; Explorer starts setup from the downloads of a user whose name has a letter "
         "the code page lacks (Łukasz): setup names its folder by the short form",
         XPFromDownloadsOf(PolishUser),
         {},
         InstalledFromDownloadsOf(PolishUser)},

        {"source-folder-in-chinese-letters",
         "As source-folder-the-code-page-lacks, for a user whose name is written in Chinese letters",
         XPFromDownloadsOf(ChineseUser),
         {},
         InstalledFromDownloadsOf(ChineseUser)},

        {"firefox-profile-the-code-page-lacks",
         "Windows XP in code page 1252, Firefox 3.5.7 the default browser, its default profile with the toolbar in "
         "the application data of a user whose name has a letter the code page lacks: the toolbar is found there",
         XPWithToolbar().Browser("firefox").With(FirefoxInstalled).With(FirefoxProfileOfThePolishUserWithToolbar),
         {},
         Expected().Installs().Reports("3pa=&bm=1")},

        {"quiet-log-the-code-page-lacks",
         "/quiet with a log in the folder of a user whose name has a letter code page 1252 lacks: the log is "
         "written there, and the installer's beside it",
         XPWithEveryPartner().With(PolishUserFolder),
         {},
         Expected()
             .Runs({"msiexec.exe /i \"C:\\Downloads\\TARVEX140.MSI\" /qn /l*v \"" + PolishUser +
                    "\\setup-installer.log\" (before the product, error mode 0x8001)"})
             .Installs()
             .LogsTo(PolishUser + "\\setup.log",
                     {"source folder: C:\\Downloads\\", "Windows Installer ended with 0", "exit code 0"}),
         "/quiet /log " + PolishUser + "\\setup.log"},

        {"help",
         "The typical machine; setup is started with /? to list its switches and exit codes",
         XPWithToolbar(),
         {Press(IDOK)},
         Expected().Shows({Message(IDS_SWITCHES_HELP, Information)}).EndsBeforeTheRegistryWork(),
         "/?"},
    };
    return scenarios;
}
