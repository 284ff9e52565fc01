#include "setup/sequence.h"
#include "setup/run_record.h"
#include "setup/checks.h"
#include "setup/machine_probes.h"
#include "setup/browser_entries.h"
#include "setup/windows_installer.h"
#include "setup/report.h"
#include "offers/offers.h"
#include "platform/optional_functions.h"
#include "text/globals.h"
#include "text/text.h"
#include "resources/resource.h"

// The common controls are loaded here rather than imported: imported, they
// would be loaded while the process starts, before the DLL search is
// restricted, and would take their own dependencies (the theme library) from
// the program's folder.
static void InitialiseCommonControls()
{
    InitCommonControlsFunction initialise = OptionalFunctionOf<InitCommonControlsFunction>(INIT_COMMON_CONTROLS);
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

// The partners' products are add-ons accepted as part of installing Tarvex:
// none is installed where Tarvex was not. An installer that could not even
// be started has changed nothing, and the registry cleaner, which stands on
// its own, still goes.
static void RunAcceptedPartnerInstallers(RunRecord* run)
{
    int outcome = run->installer.outcome;
    bool installed = InstallerInstalledProduct(outcome) != 0;
    if (run->companion.accepted && installed)
        RunEmailCompanionInstaller();
    if (run->cleaner.accepted && (installed || outcome == INSTALLER_NOT_STARTED))
        (void)RunRegistryCleanerInstall();  // setup goes on whether the launcher signalled or not
    // The report says whether the cleaner is on the machine now.
    if (run->cleaner.shown && installed)
        run->cleaner.installed = RegistryCleanerInstalledNow();
}

int RunSetup(HINSTANCE instance)
{
    RunRecord run;
    ZeroMemory(&run, sizeof run);

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

    run.companion = OfferEmailCompanion();
    if (run.companion.choice == OFFER_CANCEL)
        return EndWithoutInstalling();

    run.toolbar = OfferBrowserToolbar();
    if (run.toolbar.choice == OFFER_CANCEL)
        return EndWithoutInstalling();

    if (!run.toolbar.shown) {
        run.cleaner = OfferRegistryCleaner();
        if (run.cleaner.choice == OFFER_CANCEL)
            return EndWithoutInstalling();
    }

    run.installer = RunWindowsInstaller();
    // Windows is shutting down: nothing more may start.
    if (run.installer.outcome == INSTALLER_RESTARTING)
        return 0;

    RunAcceptedPartnerInstallers(&run);

    SendCompletionReport(&run.versionBefore, &run);

    // Reported only after everything else has run, as the last word of setup.
    if (run.toolbar.choice == OFFER_DESKTOP_SEARCH_BLOCKED)
        ShowMessage(NULL, IDS_DESKTOP_SEARCH_BLOCKED, MB_ICONWARNING);

    return 0;
}
