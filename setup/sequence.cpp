#include "setup/sequence.h"
#include "setup/globals.h"
#include "setup/report.h"
#include "offers/offers.h"
#include "text/text.h"
#include "resources/resource.h"
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

    // Running copies are checked here.

    ReadInstalledVersion(&run.versionBefore, NULL, 0);

    // The File Manager extension is unloaded here.

    if (!FindSourceFolder()) {
        char package[64];
        if (LoadStringA(SetupInstance, IDS_PACKAGE_NAME, package, sizeof package) <= 0)
            package[0] = '\0';
        ShowMessage(NULL, IDS_PACKAGE_NOT_STARTED, MB_ICONWARNING, "", package);
        return 0;
    }
    BusyCursor = LoadCursor(NULL, IDC_WAIT);

    if (OfferEmailCompanion(&run.companionAccepted) == OFFER_CANCEL)
        return EndWithoutInstalling();

    // The toolbar offer is made here.

    if (!run.toolbarOfferShown && OfferRegistryCleaner(&run.cleanerAccepted, &run.cleanerOffered) == OFFER_CANCEL)
        return EndWithoutInstalling();

    RunWindowsInstaller(&run);

    if (run.companionAccepted)
        RunEmailCompanionInstaller();
    if (run.cleanerAccepted)
        (void)RunRegistryCleanerInstall();  // setup goes on whether the launcher signalled or not

    SendCompletionReport(&run.versionBefore, &run);

    return 0;
}
