#include "setup/sequence.h"
#include "setup/globals.h"
#include "setup/checks.h"
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

    // The installed version is read here.

    if (!UnloadFileManagerExtension())
        return 0;

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
