#include "offers/registry_cleaner.h"
#include "offers/offers.h"
#include "offers/offer_dialog.h"
#include "offers/partner_program.h"
#include "offers/toolbar_install.h"
#include "platform/globals.h"
#include "text/messages.h"
#include "text/paths.h"
#include "resources/resource.h"

#define REASON_VISTA_OR_LATER 2

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

// The partner's own answer: CHECK_NOT_CALLED when its DLL could not be
// loaded or lacks the entry, else whether its product may be offered.
enum PartnerCheck { CHECK_NOT_CALLED, CHECK_REFUSES, CHECK_ALLOWS };

static PartnerCheck AskPartnerDll()
{
    char path[SOURCE_FILE_PATH_CHARS];
    if (!SourceFilePath(SourceFolder, CompatibilityDll, path, sizeof path))
        return CHECK_NOT_CALLED;
    OwnedModule dll(LoadPartnerDll(path));
    if (!dll.Holds())
        return CHECK_NOT_CALLED;
    ProductCompatibilityCheckFunction check =
        (ProductCompatibilityCheckFunction)(void*)GetProcAddress(dll, "ProductCompatibilityCheck");
    if (check == NULL)
        return CHECK_NOT_CALLED;
    DWORD reason = 0;  // a DLL that leaves it alone gives no reason
    if (check(&reason))
        return CHECK_ALLOWS;
    return reason == REASON_VISTA_OR_LATER && IsVistaOrLater ? CHECK_ALLOWS : CHECK_REFUSES;
}

int RegistryCleanerCompatible()
{
    return AskPartnerDll() == CHECK_ALLOWS;
}

// A DLL that could not be asked says nothing about the machine.
int RegistryCleanerInstalledNow()
{
    return AskPartnerDll() == CHECK_REFUSES;
}

OfferOutcome OfferRegistryCleaner()
{
    if (!RegistryCleanerCompatible())
        return NoOffer("its compatibility check did not let it be offered");
    return OfferPartnerInstaller(CleanerInstaller, IDD_REGISTRY_CLEANER, &CleanerOffer);
}

// The launcher sets the event once the cleaner's installer runs; the wait
// also ends when the launcher ends without setting it.
int RunRegistryCleanerInstall()
{
    OwnedHandle event(CreateEventA(NULL, TRUE, FALSE, CleanerRunningEvent));
    if (!event.Holds()) {
        ShowMessageText(NULL, IDS_CLEANER_NOT_STARTED, MB_ICONWARNING | MB_OK);
        return 0;
    }
    return RunPartnerProgram(PARTNER_LAUNCHER, "/rb2", ElevationVerb(), SW_HIDE, event).end == PARTNER_SIGNALLED;
}
