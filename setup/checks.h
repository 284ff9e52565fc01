// Checks of the machine and the user that run before any offer: each
// returns 1 to go on, 0 when setup must end (the user has been told).
#pragma once
#include <windows.h>
#include "setup/sequence.h"

int CheckWindowsVersion(HWND owner);
int CheckHelpViewer();
void ClassifyWindows();
int LacksRegistryWriteAccess();
int WaitForRunningCopies();
int UnloadFileManagerExtension();
int WaitUntilFileFree(const char* path, DWORD limitMs);

// The fixed file version of a program or module (a bare name is found by
// the system's search for modules). 1 and the version, or 0 and (0, 0).
int ReadFileVersion(const char* path, FileVersion* version);
