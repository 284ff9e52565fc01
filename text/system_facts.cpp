#include "text/system_facts.h"
#include "text/shell_functions.h"

// The version record does not change while setup runs: the system is asked
// once, for the longer record where it has one (Windows 95 and NT 4.0
// before Service Pack 6 know only the short one).
static OSVERSIONINFOEXA KnownVersion;
static int VersionAsked;  // 0 not yet, 1 known, -1 unreadable

static BOOL WINAPI AskWindowsVersionOnce(LPOSVERSIONINFOA info)
{
    if (VersionAsked == 0) {
        KnownVersion.dwOSVersionInfoSize = sizeof KnownVersion;
        if (!GetVersionExA((LPOSVERSIONINFOA)&KnownVersion)) {
            ZeroMemory(&KnownVersion, sizeof KnownVersion);
            KnownVersion.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        }
        VersionAsked = KnownVersion.dwOSVersionInfoSize == sizeof KnownVersion ||
                               GetVersionExA((LPOSVERSIONINFOA)&KnownVersion)
                           ? 1
                           : -1;
    }
    DWORD size = info->dwOSVersionInfoSize;
    bool known = size == sizeof(OSVERSIONINFOA) || size == sizeof(OSVERSIONINFOEXA);
    if (VersionAsked < 0 || !known || size > KnownVersion.dwOSVersionInfoSize)
        return FALSE;
    CopyMemory(info, &KnownVersion, size);
    info->dwOSVersionInfoSize = size;
    return TRUE;
}

BOOL(WINAPI* QueryWindowsVersion)(LPOSVERSIONINFOA info) = AskWindowsVersionOnce;
BOOL(WINAPI* QueryUserIsAdmin)(void) = ShellUserIsAdmin;
void(WINAPI* QueryLocalTime)(LPSYSTEMTIME time) = GetLocalTime;
FARPROC(WINAPI* QueryProcAddress)(HMODULE module, LPCSTR name) = GetProcAddress;

static HMODULE Kernel;

HMODULE KernelLibrary()
{
    if (Kernel == NULL)
        Kernel = GetModuleHandleA("kernel32.dll");
    return Kernel;
}
