// The system folder and the libraries in it: always by full path, never
// through the search path, which starts with the folder setup was started
// from.
#pragma once
#include <windows.h>

// The full path of a file in the system folder; 1 when it fitted into the
// buffer, else 0.
int SystemFilePath(const char* fileName, char* path, size_t pathSize);
HMODULE LoadSystemLibrary(const char* fileName);
