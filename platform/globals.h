// Process-wide state shared by every part of setup, set at the start of the
// run before the first message or offer.
#pragma once
#include <windows.h>

#define SETUP_CAPTION_CHARS 29  // 28 characters and the NUL
#define SETUP_PATH_CHARS MAX_PATH

extern HINSTANCE SetupInstance;
extern char SetupCaption[SETUP_CAPTION_CHARS];
extern HCURSOR BusyCursor;
extern char SourceFolder[SETUP_PATH_CHARS];
extern int IsVistaOrLater;
// 1 once DLLs are looked for in the system folder only (set at start-up).
extern int DllSearchRestricted;

// The state of a run that its own files keep, listed here so that it is in
// one place and a test can put it back: whether message boxes are answered
// unseen (text/messages.cpp), the open log of the run (text/run_log.cpp),
// and the standard dialog procedure that a dialog with links gets back
// (ui/hyperlink.cpp).
extern int MessagesUnseen;
extern HANDLE RunLogFile;  // INVALID_HANDLE_VALUE while no log is open
extern WNDPROC SavedDialogProc;
