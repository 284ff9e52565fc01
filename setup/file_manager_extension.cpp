#include "setup/checks.h"
#include "platform/globals.h"
#include "text/messages.h"
#include "setup/file_wait.h"
#include "resources/resource.h"

// The File Manager lets go of its extension libraries on this request.
#define FILE_MANAGER_UNLOAD_REQUEST 1543
#define EXTENSION_RELEASE_LIMIT_MS 2000

static const char* const FileManagerSettings = "winfile.ini";

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
