// The mandated floor of a whole run of setup: what any program doing its
// job must do, and nothing else. It initialises the common controls (loaded
// by name under setup's manifest, as setup does), runs the Windows Installer
// on the package beside it and waits for it, and opens the completion
// report, whose address is its command line, with the shell. Like setup it
// starts without a C runtime.
#include <windows.h>

typedef void(WINAPI* InitCommonControlsFunction)(void);
typedef HINSTANCE(WINAPI* ShellExecuteFunction)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// Zero-filled without a C runtime to clear them.
static STARTUPINFOA Startup;
static char Folder[MAX_PATH];
static char CommandLine[MAX_PATH + 16];

// The command line after the program's own name.
static const char* Arguments()
{
    const char* c = GetCommandLineA();
    char end = *c == '"' ? '"' : ' ';
    for (c += *c == '"'; *c != '\0' && *c != end; ++c) {
    }
    while (*c == '"' || *c == ' ')
        ++c;
    return c;
}

extern "C" void WINAPI YardstickStart(void)
{
    HMODULE controls = LoadLibraryA("comctl32.dll");
    ((InitCommonControlsFunction)(void*)GetProcAddress(controls, "InitCommonControls"))();

    DWORD length = GetModuleFileNameA(NULL, Folder, MAX_PATH);
    while (length > 0 && Folder[length - 1] != '\\')
        --length;
    Folder[length] = '\0';
    lstrcpyA(CommandLine, "msiexec /i \"");
    lstrcatA(CommandLine, Folder);
    lstrcatA(CommandLine, "TARVEX140.MSI\"");
    Startup.cb = sizeof Startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(NULL, CommandLine, NULL, NULL, FALSE, 0, NULL, NULL, &Startup, &process))
        ExitProcess(1);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    HMODULE shell = LoadLibraryA("shell32.dll");
    ((ShellExecuteFunction)(void*)GetProcAddress(shell, "ShellExecuteA"))(NULL, "open", Arguments(), NULL, NULL,
                                                                          SW_SHOWNORMAL);
    ExitProcess(0);
}
