#include "text/version_info.h"
#include "text/text.h"

typedef DWORD(WINAPI* SizeFunction)(LPCSTR, LPDWORD);
typedef BOOL(WINAPI* ReadFunction)(LPCSTR, DWORD, DWORD, LPVOID);
typedef BOOL(WINAPI* QueryFunction)(LPCVOID, LPCSTR, LPVOID*, PUINT);

static SizeFunction SizeOfInfo;
static ReadFunction ReadInfo;
static QueryFunction QueryInfo;

// The library stays loaded for the rest of the process once found.
static bool VersionLibraryReady()
{
    static bool tried;
    if (!tried) {
        tried = true;
        HMODULE library = LoadSystemLibrary("version.dll");
        if (library != NULL) {
            SizeOfInfo = (SizeFunction)(void*)GetProcAddress(library, "GetFileVersionInfoSizeA");
            ReadInfo = (ReadFunction)(void*)GetProcAddress(library, "GetFileVersionInfoA");
            QueryInfo = (QueryFunction)(void*)GetProcAddress(library, "VerQueryValueA");
        }
    }
    return SizeOfInfo != NULL && ReadInfo != NULL && QueryInfo != NULL;
}

DWORD VersionInfoSize(const char* path)
{
    if (!VersionLibraryReady())
        return 0;
    DWORD unused;
    return SizeOfInfo(path, &unused);
}

BOOL VersionInfoRead(const char* path, DWORD size, void* block)
{
    return VersionLibraryReady() && ReadInfo(path, 0, size, block);
}

BOOL VersionInfoQuery(const void* block, const char* subBlock, void** value, UINT* length)
{
    return VersionLibraryReady() && QueryInfo(block, subBlock, value, length);
}
