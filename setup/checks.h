// Checks of the machine and the user that run before any offer: each
// returns 1 to go on, 0 when setup must end (the user has been told).
#pragma once
#include <windows.h>

int CheckWindowsVersion(HWND owner);
int CheckHelpViewer();
// The judgements those two checks make, without a window.
enum WindowsVerdict { WINDOWS_SUPPORTED, WINDOWS_UNTESTED, WINDOWS_REFUSED };
int JudgeWindowsVersion();
// What CheckWindowsVersion shows and answers for a verdict already made.
int AskAboutWindowsVersion(HWND owner, int verdict);
int HelpViewerIsRecent();
int WaitForRunningCopies();
int UnloadFileManagerExtension();
