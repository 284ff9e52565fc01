#include "setup/windows_version.h"
#include "platform/globals.h"
#include "platform/system_facts.h"
#include "text/messages.h"
#include "resources/resource.h"

WindowsVerdict JudgeWindowsVersion()
{
    const WindowsFacts* windows = KnownWindows();
    if (!windows->known || windows->platform == VER_PLATFORM_WIN32s ||
        (windows->platform == VER_PLATFORM_WIN32_WINDOWS && windows->minor < 10) ||
        (windows->platform == VER_PLATFORM_WIN32_NT && windows->major < 5))
        return WINDOWS_REFUSED;
    // Windows 98 and Me may work, but the user decides.
    if (windows->platform == VER_PLATFORM_WIN32_WINDOWS && (windows->minor == 10 || windows->minor == 90))
        return WINDOWS_UNTESTED;
    return WINDOWS_SUPPORTED;
}

int AskAboutWindowsVersion(HWND owner, WindowsVerdict verdict)
{
    switch (verdict) {
    case WINDOWS_REFUSED:
        ShowMessageText(owner, IDS_WINDOWS_UNSUPPORTED, MB_ICONERROR);
        return 0;
    case WINDOWS_UNTESTED:
        return ShowMessageText(owner, IDS_WINDOWS_UNTESTED, MB_YESNO | MB_ICONWARNING) == IDYES;
    case WINDOWS_SUPPORTED:
        return 1;
    }
    return 1;
}

void ClassifyWindows()
{
    const WindowsFacts* windows = KnownWindows();
    if (windows->known && windows->platform == VER_PLATFORM_WIN32_NT && windows->major >= 6)
        IsVistaOrLater = 1;
}
