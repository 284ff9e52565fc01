#include "setup/checks.h"
#include "setup/machine_probes.h"
#include "text/globals.h"
#include "text/system_facts.h"
#include "text/text.h"
#include "resources/resource.h"

#define PLATFORM_WIN32S 0
#define PLATFORM_WINDOWS 1  // Windows 95, 98 and Me
#define PLATFORM_NT 2

static int ReadWindowsVersion(OSVERSIONINFOA* info)
{
    ZeroMemory(info, sizeof *info);
    info->dwOSVersionInfoSize = sizeof *info;
    return QueryWindowsVersion(info) != 0;
}

int CheckWindowsVersion(HWND owner)
{
    OSVERSIONINFOA info;
    bool readable = ReadWindowsVersion(&info);
    bool refused = !readable || info.dwPlatformId == PLATFORM_WIN32S ||
                   (info.dwPlatformId == PLATFORM_WINDOWS && info.dwMinorVersion < 10) ||
                   (info.dwPlatformId == PLATFORM_NT && info.dwMajorVersion < 5);
    if (refused) {
        MessageBoxA(owner, LoadMessageText(IDS_WINDOWS_UNSUPPORTED), SetupCaption, MB_ICONERROR);
        return 0;
    }
    // Windows 98 and Me may work, but the user decides.
    if (info.dwPlatformId == PLATFORM_WINDOWS && (info.dwMinorVersion == 10 || info.dwMinorVersion == 90))
        return MessageBoxA(owner, LoadMessageText(IDS_WINDOWS_UNTESTED), SetupCaption,
                           MB_YESNO | MB_ICONWARNING) == IDYES;
    return 1;
}

void ClassifyWindows()
{
    OSVERSIONINFOA info;
    if (ReadWindowsVersion(&info) && info.dwPlatformId == PLATFORM_NT && info.dwMajorVersion >= 6)
        IsVistaOrLater = 1;
}
