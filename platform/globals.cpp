#include "platform/globals.h"

HINSTANCE SetupInstance;
char SetupCaption[SETUP_CAPTION_CHARS];
HCURSOR BusyCursor;
char SourceFolder[SETUP_PATH_CHARS];
int IsVistaOrLater;
int DllSearchRestricted;

int MessagesUnseen;
HANDLE RunLogFile = INVALID_HANDLE_VALUE;
WNDPROC SavedDialogProc;
