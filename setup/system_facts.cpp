#include "setup/system_facts.h"
#include "setup/shell_functions.h"

BOOL(WINAPI* QueryWindowsVersion)(LPOSVERSIONINFOA info) = GetVersionExA;
BOOL(WINAPI* QueryUserIsAdmin)(void) = ShellUserIsAdmin;
void(WINAPI* QueryLocalTime)(LPSYSTEMTIME time) = GetLocalTime;
FARPROC(WINAPI* QueryProcAddress)(HMODULE module, LPCSTR name) = GetProcAddress;
