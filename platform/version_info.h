// File version resources, read through version.dll loaded from the system
// folder at run time (it is not one of the system's known DLLs, so a copy
// beside setup must never be picked up by the loader).
#pragma once
#include <windows.h>

DWORD VersionInfoSize(const char* path);
BOOL VersionInfoRead(const char* path, DWORD size, void* block);
BOOL VersionInfoQuery(const void* block, const char* subBlock, void** value, UINT* length);
