// The shell, loaded at its first use rather than imported. Imported, shell32
// (and what it pulls in) would be loaded while the process starts, although
// nothing before setup's first window needs it; and shell32 exports
// IsUserAnAdmin and SHGetFolderPathA only from version 5.0 on, while the
// loader refuses a program that imports a function its system lacks. So
// setup starts on Windows 95, 98 and NT 4.0 and can tell the user what it
// thinks of them.
#pragma once
#include <windows.h>
#include <shellapi.h>

// ShellExecuteA with no parameters or folder, shown normally; a value of
// 32 or less for a failure, as from ShellExecuteA.
HINSTANCE ShellOpen(HWND owner, const char* verb, const char* file);
// ShellOpen, as a process about to end must open a file or address: with
// COM initialised on the thread, through ShellExecuteExA with
// SEE_MASK_NOASYNC and, as ShellExecuteA, SEE_MASK_FLAG_NO_UI; ShellOpen
// itself where ole32 lacks COM.
void ShellOpenBeforeExit(const char* verb, const char* file);
// ShellExecuteExA of a file with a verb, its parameters (or NULL), a show state
// and the SEE_MASK_ flags; with SEE_MASK_NOCLOSEPROCESS the process handle
// goes to *process. FALSE when it did not start.
BOOL ShellStartFile(const char* verb, const char* file, const char* parameters, int show, ULONG mask,
                    HANDLE* process);
// 1 for an administrator, 0 for another user, -1 where the shell lacks
// IsUserAnAdmin (before version 5.0, and Windows 2000's by name).
int ShellUserIsAdmin();
// The user's application-data folder into a buffer of MAX_PATH characters,
// read in wide characters on the NT family (see platform/ansi_path.h); a
// failure code, as from a failing call, where the function is missing.
HRESULT ShellGetAppDataFolder(char* path);
