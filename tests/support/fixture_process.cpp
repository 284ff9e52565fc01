#include "fixture_process.h"
#include "registry_sandbox.h"
#include "setup_run.h"

FixtureProcess StartFixture(const std::string& program, const std::string& arguments)
{
    FixtureProcess process;
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    std::string line = "\"" + FixturePath(program) + "\" " + arguments;
    process.started = CreateProcessA(NULL, &line[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process.info) != 0;
    return process;
}

void EndFixture(FixtureProcess& process)
{
    if (!process.started)
        return;
    if (WaitForSingleObject(process.info.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process.info.hProcess, 9);
    WaitForSingleObject(process.info.hProcess, 5000);
    CloseHandle(process.info.hThread);
    CloseHandle(process.info.hProcess);
    process.started = false;
}

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindWindowA(className, title);
        if (window != NULL || GetTickCount() - start >= timeoutMs)
            return window;
        Sleep(20);
    }
}

bool CloseAndWaitUntilGone(const char* className, const char* title)
{
    HWND window = FindWindowA(className, title);
    if (window != NULL)
        PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD start = GetTickCount();
    while (FindWindowA(className, title) != NULL) {
        if (GetTickCount() - start > 5000)
            return false;
        Sleep(20);
    }
    return true;
}

bool EventLogged(const std::string& prefix)
{
    for (const std::string& line : RecordedEvents())
        if (line.rfind(prefix, 0) == 0)
            return true;
    return false;
}

static const char* SystemHelpControl = "C:\\windows\\system32\\hhctrl.ocx";

void ReadHelpControlFiles()
{
    SetText(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", "hhctrl.ocx", "native");
}

void InstallHelpControl(const char* variant)
{
    ReadHelpControlFiles();
    // The file there is a link shared with other prefixes: replaced, never
    // written.
    DeleteFileA(SystemHelpControl);
    if (variant[0] != '\0')
        CopyFixture(std::string("help-") + variant + "\\hhctrl.ocx", SystemHelpControl);
}

void UseWinesHelpControl()
{
    HKEY overrides;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", 0, KEY_SET_VALUE, &overrides) == 0) {
        RegDeleteValueA(overrides, "hhctrl.ocx");
        RegCloseKey(overrides);
    }
}

void WindowsInstallerStandIn()
{
    SetText(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", "msiexec.exe", "native");
    // The file there is shared with other prefixes: replaced, never written.
    DeleteFileA("C:\\windows\\system32\\msiexec.exe");
    CopyFixture("recorder.exe", "C:\\windows\\system32\\msiexec.exe");
}
