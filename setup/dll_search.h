// Where setup lets the system look for DLLs: the system folder only, or on
// systems that cannot be told so, the system's own libraries taken first.
#pragma once
#include <windows.h>

void RestrictDllSearchToSystemFolder();
