#include "setup/sequence.h"
#include "text/globals.h"
#include "setup/checks.h"
#include "setup/machine_probes.h"
#include "setup/report.h"
#include "offers/offers.h"
#include "text/text.h"
#include "resources/resource.h"

typedef void(WINAPI* InitCommonControlsFunction)(void);

// The common controls are loaded here rather than imported: imported, they
// would be loaded while the process starts, before the DLL search is
// restricted, and would take their own dependencies (the theme library) from
// the program's folder. By name, the manifest's side-by-side copy is found.
static void InitialiseCommonControls()
{
    HMODULE controls = LoadLibraryA("comctl32.dll");
    if (controls == NULL)
        return;
    InitCommonControlsFunction initialise =
        (InitCommonControlsFunction)(void*)GetProcAddress(controls, "InitCommonControls");
    if (initialise != NULL)
        initialise();
}

static void InitialiseGlobals(HINSTANCE instance)
{
    SetupInstance = instance;
    InitialiseCommonControls();
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
    run.toolbarChoice = OFFER_GO_ON;

    InitialiseGlobals(instance);

    if (!CheckWindowsVersion(NULL) || !CheckHelpViewer())
        return 0;
    ClassifyWindows();
    // From Windows Vista on, the installer asks for the rights it needs
    // itself; before it, a user without them would fail half-way.
    if (!IsVistaOrLater && LacksRegistryWriteAccess()) {
        ShowMessage(NULL, IDS_NEEDS_ADMINISTRATOR, MB_ICONERROR);
        return 0;
    }

    PrepareBrowserAddOnEntries();

    if (!WaitForRunningCopies())
        return 0;

    ReadInstalledVersion(&run.versionBefore, NULL, 0);

    if (!UnloadFileManagerExtension())
        return 0;

    if (!FindSourceFolder()) {
        char package[PACKAGE_NAME_CHARS];
        LoadPackageName(package);
        ShowMessage(NULL, IDS_PACKAGE_NOT_STARTED, MB_ICONWARNING, "", package);
        return 0;
    }
    BusyCursor = LoadCursor(NULL, IDC_WAIT);

    if (OfferEmailCompanion(&run.companionAccepted) == OFFER_CANCEL)
        return EndWithoutInstalling();

    ToolbarOfferOutcome toolbar = OfferBrowserToolbar();
    run.toolbarChoice = toolbar.choice;
    run.toolbarOfferShown = toolbar.shown;
    run.isFirefox = toolbar.isFirefox;
    run.toolbarInstalled = toolbar.installed;
    if (run.toolbarChoice == OFFER_CANCEL)
        return EndWithoutInstalling();

    if (!run.toolbarOfferShown && OfferRegistryCleaner(&run.cleanerAccepted, &run.cleanerOffered) == OFFER_CANCEL)
        return EndWithoutInstalling();

    RunWindowsInstaller(&run);

    if (run.companionAccepted)
        RunEmailCompanionInstaller();
    if (run.cleanerAccepted)
        (void)RunRegistryCleanerInstall();  // setup goes on whether the launcher signalled or not

    SendCompletionReport(&run.versionBefore, &run);

    // Reported only after everything else has run, as the last word of setup.
    if (run.toolbarChoice == OFFER_DESKTOP_SEARCH_BLOCKED)
        ShowMessage(NULL, IDS_DESKTOP_SEARCH_BLOCKED, MB_ICONWARNING);

    return 0;
}
