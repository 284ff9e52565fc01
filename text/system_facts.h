// The facts of the machine that tests cannot set up under Wine: the version
// record the system reports, whether the user is an administrator, today's
// date, and whether a system DLL has a function (older systems lack some). Production code asks the system through these pointers,
// which start out as the system functions themselves; only tests replace
// them.
#pragma once
#include <windows.h>

extern BOOL(WINAPI* QueryWindowsVersion)(LPOSVERSIONINFOA info);
extern BOOL(WINAPI* QueryUserIsAdmin)(void);
extern void(WINAPI* QueryLocalTime)(LPSYSTEMTIME time);
extern FARPROC(WINAPI* QueryProcAddress)(HMODULE module, LPCSTR name);

// kernel32, in every process from its start; its handle is taken once.
HMODULE KernelLibrary();
