// Checks of the machine and the user that run before any offer: each
// returns 1 to go on, 0 when setup must end (the user has been told).
#pragma once
#include <windows.h>

// The Windows version check in two halves: the verdict, made without a
// window, and what the user is shown and answers for it (1 to go on).
enum WindowsVerdict { WINDOWS_SUPPORTED, WINDOWS_UNTESTED, WINDOWS_REFUSED };
WindowsVerdict JudgeWindowsVersion();
int AskAboutWindowsVersion(HWND owner, WindowsVerdict verdict);
int CheckHelpViewer();
// The judgement the help viewer check makes, without a window.
int HelpViewerIsRecent();
int WaitForRunningCopies();
int UnloadFileManagerExtension();
