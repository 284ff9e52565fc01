// The partner launcher, a program of the toolbar partner that lies beside
// setup: started hidden (elevated from Windows Vista on), waited for, and
// its exit code turned into a message.
#pragma once
#include <windows.h>
#include "offers/offer_outcome.h"

#define PARTNER_LAUNCHER "duzorizu32.exe"

// Exit codes of the partner launcher.
#define LAUNCHER_TOOLBAR_INSTALLED 0
#define LAUNCHER_TOOLBAR_FAILED 8
#define LAUNCHER_DESKTOP_SEARCH_FAILED 9
#define LAUNCHER_DESKTOP_SEARCH_BLOCKED 10


// What the launcher's exit code means for the user: the message to show
// (0 for none) with its icon, whether the toolbar is installed, and the
// offer choice. -1 is a launcher whose end could not be seen.
struct LauncherVerdict {
    UINT message;
    UINT icon;
    int installed;
    OfferChoice choice;
};
LauncherVerdict ClassifyLauncherExit(int browser, int exitCode);

// Installs the toolbar for the browser (TOOLBAR_OFFER_IE or
// TOOLBAR_OFFER_FIREFOX) and tells the user how it went. Sets *installed to
// 1 on success. Returns OFFER_DESKTOP_SEARCH_BLOCKED when the launcher says
// so, else OFFER_GO_ON.
OfferChoice InstallToolbar(int browser, int* installed);
