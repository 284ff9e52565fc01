#include "scenario.h"
#include <tlhelp32.h>
#include "dialog_template.h"
#include "registry_sandbox.h"
#include "text/messages.h"

static const char* AddOnKeys[] = {
    "Software\\Microsoft\\Internet Explorer\\ActiveX Compatibility\\{A09AE68F-B14D-43ED-B713-BA413F034904}",
    "Software\\Microsoft\\Internet Explorer\\ActiveX Compatibility\\{F3834A2B-19CF-4A90-BE1D-ECC410D9DA09}",
};

Machine& Machine::Beside(std::vector<std::string> files)
{
    sourceFiles.insert(sourceFiles.end(), files.begin(), files.end());
    return *this;
}

ExpectedWindow Dialog(int id)
{
    ExpectedWindow window;
    window.dialog = id;
    return window;
}

ExpectedWindow Message(UINT id, UINT icon, std::vector<std::string> values)
{
    ExpectedWindow window;
    window.message = id;
    window.icon = icon;
    window.values = values;
    return window;
}

// The default browser is a recorder installed where the real one would be,
// so the shell's command for web addresses names it as usual and what it is
// asked to open is logged.
static void InstallDefaultBrowser(const std::string& browser)
{
    std::string folder = browser == "firefox" ? "C:\\Program Files\\Mozilla Firefox"
                                              : "C:\\Program Files\\Internet Explorer";
    std::string program = folder + "\\" + browser + ".exe";
    CreateDirectoryA(folder.c_str(), NULL);
    CopyFixture(browser + ".exe", program);
    std::string command = "\"" + program + "\" \"%1\"";
    SetText(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "", command.c_str());
    // Windows Vista and later keep the user's choice apart (Wine's names its
    // own handler there), and only a faked XP or older ignores it.
    SetText(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice",
            "ProgId", browser == "firefox" ? "FirefoxURL" : "IE.HTTP");
}

static bool IsBrowser(const std::string& name)
{
    return name == "iexplore.exe" || name == "firefox.exe" || name == "browser.exe";
}

static void ApplyPartnerSetting(const std::string& setting)
{
    size_t colon = setting.find(':'), equals = setting.find('=');
    std::string program = setting.substr(0, colon);
    std::string key = setting.substr(colon + 1, equals - colon - 1);
    SetFixtureSetting(program.c_str(), key.c_str(), setting.substr(equals + 1).c_str());
}

std::string PrepareMachine(const Machine& machine)
{
    SetWindowsVersionFor("SETUP.EXE", machine.windows.c_str());
    InstallDefaultBrowser(machine.defaultBrowser);
    // What every Windows with Internet Explorer 6 has and a fresh Wine
    // prefix lacks.
    CreateKey(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer\\ActiveX Compatibility");
    SetText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer", "Version", "6.0.2900.2180");
    for (const std::string& setting : machine.partnerSettings)
        ApplyPartnerSetting(setting);
    for (const auto& extra : machine.extras)
        extra();
    return PrepareSourceFolder(machine.sourceFolder, machine.sourceFiles);
}

// The programs setup started through the shell may still be running (the
// browser is not waited for): wait until none of the fixtures is left.
static void WaitForStartedPrograms()
{
    const char* fixtures[] = {"iexplore.exe", "firefox.exe", "browser.exe", "duzorizu32.exe",
                              "TarvexEmailComp20.exe", "msiexec.exe"};
    for (int round = 0; round < 100; ++round) {
        bool running = false;
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32 entry;
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32First(snapshot, &entry); more && !running; more = Process32Next(snapshot, &entry))
            for (const char* name : fixtures)
                running = running || lstrcmpiA(entry.szExeFile, name) == 0;
        CloseHandle(snapshot);
        if (!running)
            return;
        Sleep(100);
    }
}

// The marks that planted DLLs (tests/fixtures/planted.cpp) leave when loaded.
static std::vector<std::string> PlantedMarks()
{
    std::vector<std::string> marks;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("C:\\planted-*.mark", &found);
    if (search == INVALID_HANDLE_VALUE)
        return marks;
    do
        marks.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return marks;
}

Outcome Play(const Scenario& scenario, const std::string& pictureFolder, bool userAnswers)
{
    std::string setup = PrepareMachine(scenario.machine);
    Outcome outcome;
    outcome.run = RunSetupProgram(setup, scenario.answers, "", userAnswers ? INFINITE : 60000, pictureFolder,
                                  userAnswers, scenario.arguments);
    WaitForStartedPrograms();
    outcome.plantedLoaded = PlantedMarks();
    for (const std::string& line : RecordedEvents()) {
        std::vector<std::string> fields;
        for (size_t start = 0; start <= line.size();) {
            size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            start = tab == std::string::npos ? line.size() + 1 : tab + 1;
        }
        const std::string& name = fields[0];
        std::string arguments = fields.size() > 1 ? fields[1] : "";
        if (IsBrowser(name)) {
            if (arguments.size() >= 2 && arguments.front() == '"' && arguments.back() == '"')
                arguments = arguments.substr(1, arguments.size() - 2);
            outcome.addresses.push_back(arguments);
        } else {
            bool installed = fields.size() > 2 && fields[2] == "installed=yes";
            std::string errorMode = fields.size() > 3 && fields[3].rfind("errormode=", 0) == 0
                                        ? ", error mode " + fields[3].substr(10)
                                        : "";
            outcome.programs.push_back(name + (arguments.empty() ? "" : " " + arguments) +
                                       (installed ? " (after the product" : " (before the product") + errorMode + ")");
        }
    }
    return outcome;
}

const Scenario* FindScenario(const std::string& name)
{
    for (const Scenario& scenario : AllScenarios())
        if (scenario.name == name)
            return &scenario;
    return nullptr;
}

static void ListValues(HKEY root, const char* rootName, const std::string& path, std::vector<std::string>* lines)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    for (DWORD index = 0;; ++index) {
        char name[256];
        BYTE data[1024];
        DWORD nameSize = sizeof name, dataSize = sizeof data - 1, type = 0;
        if (RegEnumValueA(key, index, name, &nameSize, NULL, &type, data, &dataSize) != ERROR_SUCCESS)
            break;
        data[dataSize] = 0;
        std::string value = type == REG_DWORD ? "dword:" + std::to_string(*(DWORD*)data)
                                              : "\"" + std::string((char*)data) + "\"";
        lines->push_back(std::string(rootName) + "\\" + path + " [" + (name[0] ? name : "(default)") + "] = " + value);
    }
    for (DWORD index = 0;; ++index) {
        char child[256];
        DWORD childSize = sizeof child;
        if (RegEnumKeyExA(key, index, child, &childSize, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            break;
        ListValues(root, rootName, path + "\\" + child, lines);
    }
    RegCloseKey(key);
}

std::vector<std::string> RegistryWritten()
{
    std::vector<std::string> lines;
    const char* machineKeys[] = {AddOnKeys[0], AddOnKeys[1], "SOFTWARE\\Google",
                                 "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tarvex32.exe",
                                 "Software\\Halvard Software"};
    for (const char* path : machineKeys)
        ListValues(HKEY_LOCAL_MACHINE, "HKLM", path, &lines);
    return lines;
}

bool AddOnEntriesWritten()
{
    return GetNumber(HKEY_LOCAL_MACHINE, AddOnKeys[0], "Compatibility Flags") == 0x400 &&
           GetNumber(HKEY_LOCAL_MACHINE, AddOnKeys[1], "Compatibility Flags") == 0x400;
}

// An add-on category registration of an earlier version, which setup would
// drop. Wine lets anyone create keys, so the toolbar's parent is a volatile
// key: the lasting one setup makes below it is refused, as Windows refuses
// a standard user any key below the machine's software key.
static const char* PlantedCategory = "CLSID\\{A09AE68F-B14D-43ED-B713-BA413F034904}\\Implemented Categories";

void StandardUserMachineKeys()
{
    MakeKeyReadOnly(HKEY_CLASSES_ROOT, PlantedCategory);
    MakeKeyReadOnly(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer\\ActiveX Compatibility");
    MakeKeyRefuseLastingSubkeys(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google");
    MakeKeyReadOnly(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google");
}

static DWORD SubkeyCount(HKEY root, const char* path)
{
    HKEY key;
    DWORD count = 0xdeadbeef;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return count;
    if (RegQueryInfoKeyA(key, NULL, NULL, NULL, &count, NULL, NULL, NULL, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
        count = 0xdeadbeef;
    RegCloseKey(key);
    return count;
}

bool MachineKeysAsPlanted()
{
    return KeyExists(HKEY_CLASSES_ROOT, PlantedCategory) &&
           SubkeyCount(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer\\ActiveX Compatibility") == 0 &&
           SubkeyCount(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google") == 0;
}

std::string ReportAddress(const std::string& query)
{
    return std::string(TARVEX_WEB_SERVER) + "/instcmplt.cgi?pid=TVX-SETUP&ver=14.0.8688.1&lang=en&vid=demo&" + query;
}

std::vector<std::string> ExpectedAddresses(const Expected& expected)
{
    std::string server = TARVEX_WEB_SERVER;
    std::string host = server.substr(server.find("://") + 3);
    std::vector<std::string> addresses;
    for (const std::string& page : expected.pages)
        addresses.push_back(server + "/txgate.cgi?lang=EN&url=" + host + "/txredir.cgi&param=" + page);
    if (!expected.report.empty())
        addresses.push_back(ReportAddress(expected.report));
    return addresses;
}

static const char* IconName(UINT icon)
{
    switch (icon) {
    case MB_ICONERROR: return "error icon";
    case MB_ICONWARNING: return "warning icon";
    case MB_ICONINFORMATION: return "information icon";
    case MB_ICONQUESTION: return "question icon";
    }
    return "no icon";
}

static std::string DescribeMessage(const std::string& caption, UINT icon, bool withIcon, const std::string& text)
{
    return "message \"" + caption + "\"" + (withIcon ? std::string(", ") + IconName(icon) : "") + ": " + text;
}

// A dialog is told by its caption and the texts of the controls setup
// addresses (a link shows its text without the address).
static std::string DescribeDialog(const std::string& caption, const std::vector<std::pair<int, std::string>>& controls)
{
    std::string text = "dialog \"" + caption + "\"";
    for (const auto& control : controls) {
        int id = control.first & 0xFFFF;
        if (id != 0xFFFF && !control.second.empty())
            text += " | " + std::to_string(id) + ": " + control.second;
    }
    return text;
}

std::string Describe(const SeenWindow& window, bool withIcon)
{
    return window.messageBox ? DescribeMessage(window.caption, window.icon, withIcon, window.text)
                             : DescribeDialog(window.caption, window.controls);
}

std::string Describe(const ExpectedWindow& window, bool withIcon)
{
    if (window.dialog != 0) {
        DialogTemplate dialog;
        if (!ReadDialogTemplate(GetModuleHandleA(NULL), window.dialog, &dialog))
            return "no dialog " + std::to_string(window.dialog);
        std::vector<std::pair<int, std::string>> controls;
        for (const TemplateControl& control : dialog.controls) {
            std::string text = control.text;
            size_t bracket = text.rfind('<');
            if (bracket != std::string::npos)
                text.resize(bracket);
            controls.push_back({(int)control.id, text});
        }
        return DescribeDialog(dialog.caption, controls);
    }
    std::string text = LoadMessageText(window.message);
    for (const std::string& value : window.values) {
        size_t at = text.find('%');
        if (at != std::string::npos)
            text.replace(at, 2, value);
    }
    return DescribeMessage("Tarvex Setup", window.icon, withIcon, text);
}
