#include "text/globals.h"
#include "text/text.h"

HINSTANCE SetupInstance;
char SetupCaption[SETUP_CAPTION_CHARS];
HCURSOR BusyCursor;
char SourceFolder[SETUP_PATH_CHARS];
int IsVistaOrLater;
int DllSearchRestricted;

int FindSourceFolder()
{
    DWORD length = GetModuleFileNameA(NULL, SourceFolder, sizeof SourceFolder);
    if (length == 0 || length >= sizeof SourceFolder) {
        SourceFolder[0] = '\0';
        return 0;
    }
    char* separator = FindLastSeparator(SourceFolder);
    if (separator != NULL)
        separator[1] = '\0';
    return 1;
}
