#include "setup/sequence.h"
#include "setup/globals.h"
#include "text/text.h"
#include "resources/resource.h"
#include "offers/offers.h"
#include <commctrl.h>

static void InitialiseGlobals(HINSTANCE instance)
{
    SetupInstance = instance;
    InitCommonControls();
    if (LoadStringA(instance, IDS_CAPTION, SetupCaption, sizeof SetupCaption) <= 0)
        SetupCaption[0] = '\0';
    BusyCursor = LoadCursor(NULL, IDC_ARROW);
    SetCursor(BusyCursor);
}

static int EndWithoutInstalling()
{
    ShowMessage(NULL, IDS_NOT_INSTALLED, MB_ICONINFORMATION);
    return 0;
}

int RunSetup(HINSTANCE instance)
{
    RunRecord run;
    ZeroMemory(&run, sizeof run);
    run.toolbarChoice = 1;

    InitialiseGlobals(instance);

    // Machine and user checks: Windows version, help viewer, classification
    // and the registry write probe run here.

    PrepareBrowserAddOnEntries();

    // Running copies, the installed version and the File Manager extension
    // are checked here.

    if (!FindSourceFolder()) {
        char package[64];
        if (LoadStringA(SetupInstance, IDS_PACKAGE_NAME, package, sizeof package) <= 0)
            package[0] = '\0';
        ShowMessage(NULL, IDS_PACKAGE_NOT_STARTED, MB_ICONWARNING, "", package);
        return 0;
    }
    BusyCursor = LoadCursor(NULL, IDC_WAIT);

    // The partner offers are made here: e-mail companion, toolbar, and the
    // registry cleaner when no toolbar offer was shown.

    run.toolbarChoice = OfferBrowserToolbar(&run.toolbarOfferShown, &run.isFirefox, &run.toolbarInstalled);
    if (run.toolbarChoice == OFFER_CANCEL)
        return EndWithoutInstalling();

    RunWindowsInstaller(&run);

    // Accepted partner installers run here, then the completion report.

    // Reported only after everything else has run, as the last word of setup.
    if (run.toolbarChoice == OFFER_DESKTOP_SEARCH_BLOCKED)
        ShowMessage(NULL, IDS_DESKTOP_SEARCH_BLOCKED, MB_ICONWARNING);

    return 0;
}
