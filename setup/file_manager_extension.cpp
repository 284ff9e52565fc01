#include "setup/checks.h"
#include "setup/machine_probes.h"
#include "text/globals.h"
#include "text/text.h"
#include "resources/resource.h"

// The File Manager lets go of its extension libraries on this request.
#define FILE_MANAGER_UNLOAD_REQUEST 1543
#define EXTENSION_RELEASE_LIMIT_MS 2000
// How long the wait sleeps between two tries, unless a message comes.
#define FILE_RETRY_MS 30
// Every kind of input, as Windows 95 and 2000 know them: QS_ALLINPUT adds
// QS_RAWINPUT for XP and later, which the older systems refuse.
#define INPUT_ALL_WINDOWS_KNOW (QS_KEY | QS_MOUSE | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY)

static const char* const FileManagerSettings = "winfile.ini";

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

int UnloadFileManagerExtension()
{
    char extension[MAX_PATH];
    (void)GetPrivateProfileStringA("AddOns", "Tarvex", "", extension, sizeof extension, FileManagerSettings);
    if (extension[0] == '\0')
        return 1;
    HWND fileManager = FindWindowA("WFS_Frame", NULL);
    if (fileManager == NULL)
        return 1;

    // The old extension must not come back when the File Manager restarts,
    // whether or not it lets go of the library now.
    (void)WritePrivateProfileStringA("AddOns", "Tarvex", NULL, FileManagerSettings);
    (void)PostMessageA(fileManager, FILE_MANAGER_UNLOAD_REQUEST, 0, 0);  // the wait below tells
    if (WaitUntilFileFree(extension, EXTENSION_RELEASE_LIMIT_MS))
        return 1;
    ShowMessageText(NULL, IDS_FILE_MANAGER_EXTENSION, MB_ICONERROR);
    return 0;
}
