// Which Windows this is, as the checks before any offer judge it.
#pragma once
#include <windows.h>

// The Windows version check in two halves: the verdict, made without a
// window, and what the user is shown and answers for it (1 to go on).
enum WindowsVerdict { WINDOWS_SUPPORTED, WINDOWS_UNTESTED, WINDOWS_REFUSED };
WindowsVerdict JudgeWindowsVersion();
int AskAboutWindowsVersion(HWND owner, WindowsVerdict verdict);

// Sets IsVistaOrLater on the NT platform from major version 6 on; never
// clears it.
void ClassifyWindows();
