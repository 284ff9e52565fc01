#include "setup/file_wait.h"

// How long the wait sleeps between two tries, unless a message comes.
#define FILE_RETRY_MS 30
// Every kind of input, as Windows 95 and 2000 know them: QS_ALLINPUT adds
// QS_RAWINPUT for XP and later, which the older systems refuse.
#define INPUT_ALL_WINDOWS_KNOW (QS_KEY | QS_MOUSE | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY)

int WaitUntilFileFree(const char* path, DWORD limitMs)
{
    // The elapsed time is an unsigned difference, so a tick count that
    // wraps during the wait still ends it on time.
    DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        HFILE file = _lopen(path, OF_READWRITE | OF_SHARE_EXCLUSIVE);
        if (file != HFILE_ERROR) {
            (void)_lclose(file);  // it was only opened to see that it can be
            return 1;
        }
        if (GetTickCount() - start > limitMs)
            return 0;
        // Asleep until the next try, or until a message comes for a window
        // of this thread; either way the loop tries again. A wait that
        // fails at once must not turn the loop into a busy one.
        if (MsgWaitForMultipleObjects(0, NULL, FALSE, FILE_RETRY_MS, INPUT_ALL_WINDOWS_KNOW) == WAIT_FAILED)
            Sleep(FILE_RETRY_MS);
    }
}
