#include "setup/help_viewer.h"
#include "setup/file_version.h"
#include "platform/globals.h"
#include "text/window.h"
#include "platform/system_library.h"
#include "resources/resource.h"
#include "platform/shell_functions.h"

// The oldest HTML Help control that shows the product's help: 4.72.7325.0.
#define HELP_VIEWER_HIGH 0x00040048u
#define HELP_VIEWER_LOW 0x1C9D0000u

// Every message is answered with 0, WM_INITDIALOG included, so the dialog
// manager puts no default focus on a button.
static INT_PTR CALLBACK HelpViewerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    if (message == WM_INITDIALOG) {
        HICON icon = LoadIconA(NULL, IDI_HAND);
        (void)SendDlgItemMessageA(dialog, IDC_HELP_ICON, STM_SETICON, (WPARAM)icon, 0);  // no previous icon
        CenterWindowOnScreen(dialog);
        (void)MessageBeep(MB_ICONHAND);  // silence is no reason to stop
    } else if (message == WM_COMMAND) {
        WORD id = LOWORD(wParam);
        WORD code = HIWORD(wParam);
        if (id == IDOK && code == BN_CLICKED)
            EndDialog(dialog, 1);
        else if (wParam == IDCANCEL)
            EndDialog(dialog, 2);
        else if (id == IDC_HELP_WEB && code == BN_CLICKED)
            // The page explains how to update the viewer; the dialog stays
            // open whether or not a browser could be started.
            (void)ShellOpen(NULL, NULL, TARVEX_WEB_SERVER "/htmlhelp.htm");
    }
    return 0;
}

int HelpViewerIsRecent()
{
    // The control is the system's own: asked for by bare name, a version
    // lookup may take a file of that name from setup's folder instead.
    char viewer[MAX_PATH];
    FileVersion version;
    return SystemFilePath("hhctrl.ocx", viewer, sizeof viewer) && ReadFileVersion(viewer, &version) &&
           (version.high > HELP_VIEWER_HIGH || (version.high == HELP_VIEWER_HIGH && version.low >= HELP_VIEWER_LOW));
}

int CheckHelpViewer()
{
    if (HelpViewerIsRecent())
        return 1;
    // Whichever button closes it, setup cannot go on without the viewer.
    (void)DialogBoxParamA(SetupInstance, MAKEINTRESOURCEA(IDD_HELP_VIEWER), NULL, HelpViewerDialogProc, 0);
    return 0;
}
