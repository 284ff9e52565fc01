#include "setup/checks.h"
#include "setup/machine_probes.h"
#include "platform/globals.h"
#include "platform/system_facts.h"
#include "text/messages.h"
#include "resources/resource.h"

static int ReadWindowsVersion(OSVERSIONINFOA* info)
{
    ZeroMemory(info, sizeof *info);
    info->dwOSVersionInfoSize = sizeof *info;
    return QueryWindowsVersion(info) != 0;
}

int JudgeWindowsVersion()
{
    OSVERSIONINFOA info;
    if (!ReadWindowsVersion(&info) || info.dwPlatformId == VER_PLATFORM_WIN32s ||
        (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && info.dwMinorVersion < 10) ||
        (info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion < 5))
        return WINDOWS_REFUSED;
    // Windows 98 and Me may work, but the user decides.
    if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && (info.dwMinorVersion == 10 || info.dwMinorVersion == 90))
        return WINDOWS_UNTESTED;
    return WINDOWS_SUPPORTED;
}

int AskAboutWindowsVersion(HWND owner, int verdict)
{
    switch (verdict) {
    case WINDOWS_REFUSED:
        ShowMessageText(owner, IDS_WINDOWS_UNSUPPORTED, MB_ICONERROR);
        return 0;
    case WINDOWS_UNTESTED:
        return ShowMessageText(owner, IDS_WINDOWS_UNTESTED, MB_YESNO | MB_ICONWARNING) == IDYES;
    default:
        return 1;
    }
}

void ClassifyWindows()
{
    OSVERSIONINFOA info;
    if (ReadWindowsVersion(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 6)
        IsVistaOrLater = 1;
}
