// The shell's functions that older systems lack: shell32 exports
// IsUserAnAdmin and SHGetFolderPathA from version 5.0 on, and the loader
// refuses a program that imports a function its system does not have. They
// are looked up when needed, so that setup starts on Windows 95, 98 and
// NT 4.0 and can tell the user what it thinks of them.
#pragma once
#include <windows.h>

// FALSE, "not an administrator", where the function is missing.
BOOL WINAPI ShellUserIsAdmin(void);
// The user's application-data folder into a buffer of MAX_PATH characters;
// a failure code, as from a failing call, where the function is missing.
HRESULT ShellGetAppDataFolder(char* path);
