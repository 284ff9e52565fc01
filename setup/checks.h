// Checks of the machine and the user that run before any offer: each
// returns 1 to go on, 0 when setup must end (the user has been told).
#pragma once
#include <windows.h>

int CheckWindowsVersion(HWND owner);
int CheckHelpViewer();
int WaitForRunningCopies();
int UnloadFileManagerExtension();
