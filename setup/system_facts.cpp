#include "setup/system_facts.h"
#include <shlobj.h>

BOOL(WINAPI* QueryWindowsVersion)(LPOSVERSIONINFOA info) = GetVersionExA;
BOOL(WINAPI* QueryUserIsAdmin)(void) = IsUserAnAdmin;
void(WINAPI* QueryLocalTime)(LPSYSTEMTIME time) = GetLocalTime;
