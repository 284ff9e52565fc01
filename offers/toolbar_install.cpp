#include "offers/toolbar_install.h"
#include "offers/partner_program.h"
#include "offers/eligibility.h"
#include "offers/offers.h"
#include "text/messages.h"
#include "resources/resource.h"

static int RunPartnerLauncher(const char* fileName, const char* arguments, UINT failureMessage)
{
    PartnerRun run = RunPartnerProgram(fileName, arguments, ElevationVerb(), SW_HIDE, NULL);
    if (run.end == PARTNER_NOT_STARTED)
        ShowMessageText(NULL, failureMessage, MB_ICONWARNING | MB_OK);
    return run.end == PARTNER_ENDED ? (int)run.exitCode : -1;
}

LauncherVerdict ClassifyLauncherExit(int browser, int exitCode)
{
    LauncherVerdict verdict = {0, MB_ICONINFORMATION, 0, OFFER_GO_ON};
    switch (exitCode) {
    case -1:
        break;
    case LAUNCHER_TOOLBAR_INSTALLED:
        verdict.message = browser == TOOLBAR_OFFER_FIREFOX ? IDS_TOOLBAR_INSTALLED_FIREFOX : IDS_TOOLBAR_INSTALLED_IE;
        verdict.installed = 1;
        break;
    case LAUNCHER_TOOLBAR_FAILED:
        verdict.message = IDS_TOOLBAR_FAILED;
        break;
    case LAUNCHER_DESKTOP_SEARCH_FAILED:
        verdict.message = IDS_DESKTOP_SEARCH_FAILED;
        break;
    case LAUNCHER_DESKTOP_SEARCH_BLOCKED:
        verdict.choice = OFFER_DESKTOP_SEARCH_BLOCKED;  // told at the end of setup
        break;
    default:
        verdict.message = IDS_LAUNCHER_ERROR;
        verdict.icon = MB_ICONERROR;
        break;
    }
    return verdict;
}

OfferChoice InstallToolbar(int browser, int* installed)
{
    int exitCode = RunPartnerLauncher(PARTNER_LAUNCHER, browser == TOOLBAR_OFFER_FIREFOX ? "/tbff" : "/tbie",
                                      IDS_LAUNCHER_NOT_STARTED);
    LauncherVerdict verdict = ClassifyLauncherExit(browser, exitCode);
    if (verdict.message != 0)
        ShowMessage(NULL, verdict.message, verdict.icon, exitCode);  // only the error's text takes it
    *installed = verdict.installed;
    return verdict.choice;
}
