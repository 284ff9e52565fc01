// The facts of the machine that tests cannot set up under Wine: the version
// record the system reports and how its version compares, whether the user
// is an administrator, today's date, and whether a system DLL has a
// function (older systems lack some). Setup asks the system only through
// these functions, so that a test that replaces an answer replaces it
// everywhere.
#pragma once
#include <windows.h>

BOOL QueryWindowsVersion(LPOSVERSIONINFOA info);
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
    BOOL (*windowsVersion)(LPOSVERSIONINFOA info);
    int (*majorVersionAtLeast)(DWORD major);
    BOOL (*userIsAdmin)();
    void (*localTime)(LPSYSTEMTIME time);
    FARPROC (*procAddress)(HMODULE module, LPCSTR name);
};
extern SystemFactsReplacements ReplacedSystemFacts;
