#include "setup/installed_version.h"
#include "platform/registry_text.h"
#include "platform/owned.h"
#include "text/bounded.h"

#define APP_PATHS_KEY_CHARS 512

static const char AppPaths[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";

void ReadInstalledVersion(FileVersion* version, char* path, size_t pathSize)
{
    version->high = 0;
    version->low = 0;
    char keyName[APP_PATHS_KEY_CHARS];
    (void)FormatBounded(keyName, sizeof keyName, "%s\\Tarvex32.exe", AppPaths);  // always fits
    char program[MAX_PATH];
    {
        OwnedKey key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS ||
            ReadWholeValueText(key, NULL, program, sizeof program, NULL) != ERROR_SUCCESS)
            return;
    }
    if (path != NULL)
        (void)CopyBounded(path, pathSize, program);  // callers give room for a full path
    FileVersion found;
    if (ReadFileVersion(program, &found))
        *version = found;
}
