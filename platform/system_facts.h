// The facts of the machine that tests cannot set up under Wine: the version
// record the system reports and how its version compares, whether the user
// is an administrator, today's date, and whether a system DLL has a
// function (older systems lack some). Setup asks the system only through
// these functions, so that a test that replaces an answer replaces it
// everywhere.
#pragma once
#include <windows.h>

// What Windows this is, as the system says it (GetVersionExA, the longer
// record where there is one). Every check of the version reads this one
// record; `known` is 0 where the system could not say.
struct WindowsFacts {
    BOOL known;
    DWORD platform;  // VER_PLATFORM_WIN32s, VER_PLATFORM_WIN32_WINDOWS (95, 98, Me), VER_PLATFORM_WIN32_NT
    DWORD major;
    DWORD minor;
    DWORD build;             // the low word on Windows 95, 98 and Me
    WORD servicePackMajor;   // 0 where the short record was all there was
    char servicePack[128];  // "Service Pack 3", or empty
};
// The record, read from the system at the first call.
const WindowsFacts* KnownWindows();
// 1 when VerifyVersionInfoA finds the major version at least this one; 0
// on systems that lack the function (before Windows 2000).
int QueryMajorVersionAtLeast(DWORD major);
BOOL QueryUserIsAdmin();
void QueryLocalTime(LPSYSTEMTIME time);
FARPROC QueryProcAddress(HMODULE module, LPCSTR name);

// kernel32, in every process from its start; its handle is taken once.
HMODULE KernelLibrary();

// The answers a test puts in place of the system's. Every member starts
// out null, which means the system itself, also when another module calls
// setup's export without setup's start-up code ever having run.
struct SystemFactsReplacements {
    const WindowsFacts* windows;
    int (*majorVersionAtLeast)(DWORD major);
    BOOL (*userIsAdmin)();
    void (*localTime)(LPSYSTEMTIME time);
    FARPROC (*procAddress)(HMODULE module, LPCSTR name);
};
extern SystemFactsReplacements ReplacedSystemFacts;
