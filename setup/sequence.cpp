#include "setup/sequence.h"
#include "setup/globals.h"
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

    RunWindowsInstaller(&run);

    // Accepted partner installers run here, then the completion report.

    return 0;
}
