// The version of the product on the machine, read from the program its
// App Paths entry names.
#pragma once
#include <windows.h>
#include "setup/file_version.h"

// (0, 0) when it is not installed. The program's path goes to `path` when
// one is given (a buffer of pathSize bytes).
void ReadInstalledVersion(FileVersion* version, char* path, size_t pathSize);
