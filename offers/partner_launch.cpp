#include "offers/partner_launch.h"
#include "offers/partner_start.h"
#include "offers/eligibility.h"
#include "offers/offers.h"
#include "text/globals.h"
#include "text/text.h"
#include "resources/resource.h"

#define LAUNCHER_ARGUMENT_CHARS 10

int RunPartnerLauncher(const char* fileName, const char* arguments, UINT failureMessage)
{
    HCURSOR kept = SetCursor(BusyCursor);
    OwnedHandle process;
    if (!StartPartnerProgram(fileName, arguments, ElevationVerb(), SW_HIDE, &process)) {
        SetCursor(kept);
        ShowMessageText(NULL, failureMessage, MB_ICONWARNING | MB_OK);
        return -1;
    }
    // Started, but with nothing to wait for: how it ended is unknown.
    DWORD exitCode = (DWORD)-1;
    if (process.Holds()) {
        WaitForSingleObject(process, INFINITE);
        if (!GetExitCodeProcess(process, &exitCode))
            exitCode = (DWORD)-1;
    }
    SetCursor(kept);
    return (int)exitCode;
}

int InstallToolbar(int browser, int* installed)
{
    char arguments[LAUNCHER_ARGUMENT_CHARS];
    (void)CopyBounded(arguments, sizeof arguments, browser == TOOLBAR_OFFER_FIREFOX ? "/tbff" : "/tbie");  // fits

    int exitCode = RunPartnerLauncher(PARTNER_LAUNCHER, arguments, IDS_LAUNCHER_NOT_STARTED);
    switch (exitCode) {
    case -1:
        break;
    case LAUNCHER_TOOLBAR_INSTALLED:
        ShowMessage(NULL, browser == TOOLBAR_OFFER_FIREFOX ? IDS_TOOLBAR_INSTALLED_FIREFOX : IDS_TOOLBAR_INSTALLED_IE,
                    MB_ICONINFORMATION);
        *installed = 1;
        break;
    case LAUNCHER_TOOLBAR_FAILED:
        ShowMessage(NULL, IDS_TOOLBAR_FAILED, MB_ICONINFORMATION);
        break;
    case LAUNCHER_DESKTOP_SEARCH_FAILED:
        ShowMessage(NULL, IDS_DESKTOP_SEARCH_FAILED, MB_ICONINFORMATION);
        break;
    case LAUNCHER_DESKTOP_SEARCH_BLOCKED:
        return OFFER_DESKTOP_SEARCH_BLOCKED;
    default:
        ShowMessage(NULL, IDS_LAUNCHER_ERROR, MB_ICONERROR, exitCode);
        break;
    }
    return OFFER_GO_ON;
}
