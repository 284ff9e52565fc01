#include "setup/running_copies.h"
#include "platform/globals.h"
#include "text/messages.h"
#include "resources/resource.h"

#define WINDOW_TITLE_CHARS 299

static bool ProductWindowOpen()
{
    return FindWindowA("Tarvex2WClass", NULL) != NULL || FindWindowA("TarvexWClass", NULL) != NULL;
}

int WaitForRunningCopies()
{
    while (ProductWindowOpen()) {
        if (ShowMessage(NULL, IDS_PRODUCT_RUNNING, MB_ICONERROR | MB_RETRYCANCEL) == IDCANCEL)
            return 0;
    }
    // An empty title would match any untitled window and never let go.
    char title[WINDOW_TITLE_CHARS];
    if (!LoadSetupString(IDS_SELF_EXTRACTOR_TITLE, title, sizeof title))
        return 1;
    while (FindWindowA(NULL, title) != NULL) {
        if (ShowMessage(NULL, IDS_SELF_EXTRACTOR_RUNNING, MB_ICONERROR | MB_RETRYCANCEL) == IDCANCEL)
            return 0;
    }
    return 1;
}
