// The fixed file version of a program or module, as the checks and the
// completion report compare it.
#pragma once
#include <windows.h>

// Major and minor in the high half, build and revision in the low half;
// (0, 0) when the file has none.
struct FileVersion {
    DWORD high;
    DWORD low;
};

// A bare name is found by the system's search for modules. 1 and the
// version, or 0 and (0, 0).
int ReadFileVersion(const char* path, FileVersion* version);
