#include "scenario.h"
#include "registry_sandbox.h"

static const char* SourceFolderPath = "C:\\Downloads";

// The default browser is a recorder installed where the real one would be,
// so the shell's command for web addresses names it as usual and what it was
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
    // Every Windows with Internet Explorer has this key; a fresh Wine prefix does not.
    CreateKey(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer\\ActiveX Compatibility");
    for (const std::string& setting : machine.partnerSettings)
        ApplyPartnerSetting(setting);
    if (machine.prepare)
        machine.prepare();
    return PrepareSourceFolder(SourceFolderPath, machine.sourceFiles);
}

Outcome Play(const Scenario& scenario, const std::string& pictureFolder, bool userAnswers)
{
    std::string setup = PrepareMachine(scenario.machine);
    Outcome outcome;
    outcome.run = RunSetupProgram(setup, scenario.answers, "", userAnswers ? INFINITE : 60000, pictureFolder,
                                  userAnswers);
    for (const std::string& line : RecordedEvents()) {
        std::string name = line.substr(0, line.find('\t'));
        std::string rest = line.substr(line.find('\t') + 1);
        std::string arguments = rest.substr(0, rest.find('\t'));
        if (IsBrowser(name))
            outcome.addresses.push_back(arguments);
        else
            outcome.programs.push_back(name + (arguments.empty() ? "" : " " + arguments));
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
    const char* machineKeys[] = {
        "Software\\Microsoft\\Internet Explorer\\ActiveX Compatibility\\{A09AE68F-B14D-43ED-B713-BA413F034904}",
        "Software\\Microsoft\\Internet Explorer\\ActiveX Compatibility\\{F3834A2B-19CF-4A90-BE1D-ECC410D9DA09}",
        "SOFTWARE\\Google",
        "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tarvex32.exe",
        "Software\\Halvard Software",
    };
    for (const char* path : machineKeys)
        ListValues(HKEY_LOCAL_MACHINE, "HKLM", path, &lines);
    return lines;
}
