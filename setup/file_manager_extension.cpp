#include "setup/file_manager_extension.h"
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
    // One character more than a path: a longer setting shows as MAX_PATH
    // characters, cut.
    char extension[MAX_PATH + 1];
    DWORD length = GetPrivateProfileStringA("AddOns", "Tarvex", "", extension, sizeof extension, FileManagerSettings);
    if (extension[0] == '\0')
        return 1;
    HWND fileManager = FindWindowA("WFS_Frame", NULL);
    if (fileManager == NULL)
        return 1;

    // The File Manager must not load the old extension again while it lets
    // go of it; once setup goes on, the new installation replaces it. A
    // setting read cut could not be written back, and names no file the
    // File Manager could have loaded: it stays as it is.
    bool whole = length < MAX_PATH;
    if (whole)
        (void)WritePrivateProfileStringA("AddOns", "Tarvex", NULL, FileManagerSettings);
    (void)PostMessageA(fileManager, FILE_MANAGER_UNLOAD_REQUEST, 0, 0);  // the wait below tells
    if (WaitUntilFileFree(extension, EXTENSION_RELEASE_LIMIT_MS))
        return 1;
    // Nothing is installed: the user keeps the extension as it was.
    if (whole)
        (void)WritePrivateProfileStringA("AddOns", "Tarvex", extension, FileManagerSettings);
    ShowMessageText(NULL, IDS_FILE_MANAGER_EXTENSION, MB_ICONERROR);
    return 0;
}
