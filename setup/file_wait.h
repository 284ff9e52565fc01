// Waiting for a file that another program holds.
#pragma once
#include <windows.h>

// 1 as soon as the file opens for exclusive use, 0 once the limit has
// passed without that. Between tries the thread sleeps, and dispatches the
// messages that come for its windows.
int WaitUntilFileFree(const char* path, DWORD limitMs);
