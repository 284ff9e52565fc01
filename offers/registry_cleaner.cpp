#include "offers/offers.h"
#include "offers/offer_dialog.h"
#include "offers/partner_start.h"
#include "offers/partner_launch.h"
#include "setup/report.h"
#include "text/globals.h"
#include "text/text.h"
#include "resources/resource.h"

#define REASON_VISTA_OR_LATER 2
// Only for a start the shell gave no process handle for: the launcher's
// end cannot be seen then, so the wait for its event has a bound.
#define EVENT_WAIT_WITHOUT_PROCESS_MS (5 * 60 * 1000)

static const char CompatibilityDll[] = "RB2compatibilityCheck.dll";
static const char CleanerInstaller[] = "RegistryBooster2Tvex.exe";
static const char CleanerRunningEvent[] = "Tarvex32_SETUP_RB2RUNNING";

// Dialog 900: the question and the install button bold, the install button
// selected. Each showing works on a copy of its own.
static const OfferDialog CleanerOffer = {{IDC_CLEANER_QUESTION, IDC_CLEANER_INSTALL, 0},
                                         {IDC_CLEANER_INSTALL, 0},
                                         {0},
                                         NULL,
                                         IDC_CLEANER_INSTALL,
                                         {NULL, NULL}};

typedef BOOL(WINAPI* ProductCompatibilityCheckFunction)(DWORD* reason);

// The partner's DLL may bring libraries of its own beside it. Where the
// search is restricted to the system folder, its imports are looked for in
// its own folder and the system folder only (these flags exist wherever
// the restriction does, and need the full path). Otherwise the plain load
// looks in setup's folder first, which is the DLL's folder.
static HMODULE LoadPartnerDll(const char* path)
{
    if (DllSearchRestricted)
        return LoadLibraryExA(path, NULL, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    return LoadLibraryA(path);
}

int RegistryCleanerCompatible()
{
    char path[SOURCE_FILE_PATH_CHARS];
    if (!SourceFilePath(SourceFolder, CompatibilityDll, path, sizeof path))
        return 0;
    OwnedModule dll(LoadPartnerDll(path));
    if (!dll.Holds())
        return 0;
    ProductCompatibilityCheckFunction check =
        (ProductCompatibilityCheckFunction)(void*)GetProcAddress(dll, "ProductCompatibilityCheck");
    if (check == NULL)
        return 0;
    DWORD reason = 0;  // a DLL that leaves it alone gives no reason
    if (check(&reason))
        return 1;
    return reason == REASON_VISTA_OR_LATER && IsVistaOrLater ? 1 : 0;
}

int RegistryCleanerInstalledNow()
{
    return RegistryCleanerCompatible() ? 0 : 1;
}

int OfferRegistryCleaner(int* cleanerAccepted, int* cleanerOffered)
{
    *cleanerAccepted = 0;
    if (!RegistryCleanerCompatible())
        return OFFER_GO_ON;
    if (!FoundInSourceFolder(CleanerInstaller))
        return OFFER_GO_ON;

    *cleanerOffered = 1;
    OfferDialog offer = CleanerOffer;
    INT_PTR result = ShowOfferDialog(IDD_REGISTRY_CLEANER, &offer, true);
    if (result == -1) {
        *cleanerOffered = 0;  // the user never saw it: no offer was made
        return OFFER_GO_ON;
    }
    return OfferChoiceOf(result, cleanerAccepted);
}

// The launcher sets the event once the cleaner's installer runs; one that
// ends without setting it must not keep setup waiting, so its end counts
// too. Answers whether the event was set.
static int WaitForCleanerEvent(HANDLE event, HANDLE launcher)
{
    if (launcher == NULL)
        return WaitForSingleObject(event, EVENT_WAIT_WITHOUT_PROCESS_MS) == WAIT_OBJECT_0;
    HANDLE waited[2] = {event, launcher};
    DWORD woken = WaitForMultipleObjects(2, waited, FALSE, INFINITE);
    if (woken == WAIT_OBJECT_0)
        return 1;
    // The launcher may have set the event just before it ended.
    return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
}

int RunRegistryCleanerInstall()
{
    HCURSOR kept = SetCursor(BusyCursor);
    OwnedHandle event(CreateEventA(NULL, TRUE, FALSE, CleanerRunningEvent));
    if (!event.Holds()) {
        SetCursor(kept);
        ShowMessageText(NULL, IDS_CLEANER_NOT_STARTED, MB_ICONWARNING | MB_OK);
        return 0;
    }
    OwnedHandle launcher;
    int signalled = 0;
    if (StartPartnerProgram(PARTNER_LAUNCHER, "/rb2", ElevationVerb(), SW_HIDE, &launcher))
        signalled = WaitForCleanerEvent(event, launcher);
    SetCursor(kept);
    return signalled;
}
