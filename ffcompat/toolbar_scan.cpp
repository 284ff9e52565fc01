#include "ffcompat/toolbar_scan.h"
#include "ffcompat/compatibility_check.h"
#include "ffcompat/growable_text.h"
#include "platform/registry_text.h"
#include "platform/shell_functions.h"
#include "text/bounded.h"
#include "text/paths.h"
#include "text/text_scan.h"
#include "platform/owned.h"

#define PROFILE_SECTIONS 20
#define PROFILE_PATH_CHARS 260

static int ToolbarIdIsRegistered()
{
    OwnedKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Google\\Toolbar for Firefox", 0, KEY_READ, key.Receive()) !=
        ERROR_SUCCESS)
        return 0;
    char id[FFTB_REGISTRY_TEXT_BYTES];
    return ReadAnyValueAsText(key, "id", id, sizeof id) && id[0] != '\0';
}

// The user's Firefox folder: the application-data folder and
// Mozilla\Firefox.
static bool BuildFirefoxFolder(GrowableText* folder)
{
    char appData[MAX_PATH];
    ZeroMemory(appData, sizeof appData);
    if (FAILED(ShellGetAppDataFolder(appData)))
        return false;
    appData[sizeof appData - 1] = '\0';
    // A failed append breaks the text, which the last append then reports.
    (void)AppendText(folder, appData);
    if (!EndsInBackslash(appData))
        (void)AppendText(folder, "\\");
    return AppendText(folder, "Mozilla\\Firefox");
}

// A profile folder must lie inside the Firefox folder: a ".." part would
// let profiles.ini send the scan anywhere on the machine.
static bool LeavesFirefoxFolder(const char* relative)
{
    const char* part = relative;
    for (const char* position = relative;; position = CharNextA(position)) {
        bool atEnd = *position == '\0';
        if (atEnd || *position == '\\' || *position == '/') {
            if (position - part == 2 && part[0] == '.' && part[1] == '.')
                return true;
            if (atEnd)
                return false;
            part = position + 1;
        }
    }
}

// Firefox writes a profile made in another folder or drive with
// IsRelative=0 and its full path; such a path must name a drive or a
// share, never a place relative to the current folder.
static bool IsFullPath(const char* path)
{
    char drive = (char)(path[0] | 0x20);
    if (drive >= 'a' && drive <= 'z' && path[1] == ':')
        return path[2] == '\\' || path[2] == '/';
    return path[0] == '\\' && path[1] == '\\';
}

// The Path of the default profile (Profile0 when none of the first twenty
// sections is marked), relative to the Firefox folder unless the section
// says IsRelative=0. False when there is none, or when it filled the buffer
// and may have been cut.
static bool ReadDefaultProfilePath(const char* iniFile, char path[PROFILE_PATH_CHARS], bool* relative)
{
    char section[256];
    (void)CopyBounded(section, sizeof section, "Profile0");  // fits
    for (int number = 0; number < PROFILE_SECTIONS; ++number) {
        char candidate[256];
        (void)FormatBounded(candidate, sizeof candidate, "Profile%d", number);  // always fits
        if (GetPrivateProfileIntA(candidate, "Default", 0, iniFile) != 0) {
            (void)CopyBounded(section, sizeof section, candidate);  // same size
            break;
        }
    }
    DWORD length = GetPrivateProfileStringA(section, "Path", "", path, PROFILE_PATH_CHARS, iniFile);
    if (length == 0 || path[0] == '\0' || length >= PROFILE_PATH_CHARS - 1)
        return false;
    *relative = GetPrivateProfileIntA(section, "IsRelative", 1, iniFile) != 0;
    return *relative ? !LeavesFirefoxFolder(path) : IsFullPath(path);
}

// Reads the cache whole with one read and looks for the extension id in
// it as a text, so nothing after a NUL byte counts.
static int CacheNamesToolbar(const char* cachePath)
{
    OwnedFile file(
        CreateFileA(cachePath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL));
    if (!file.Holds())
        return 0;
    DWORD size = GetFileSize(file, NULL);
    if (size == 0 || size > FFTB_CACHE_MAX_BYTES)
        return 0;
    OwnedBlock<char*> contents((char*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size + 1));
    if (!contents.Holds())
        return 0;
    DWORD read = 0;
    return ReadFile(file, contents, size, &read, NULL) && read != 0 && FindText(FFTB_EXTENSION_ID, contents, STEP_BY_BYTE) != NULL;
}

static int DefaultProfileNamesToolbar()
{
    GrowableText firefoxFolder, iniFile, cachePath;
    StartText(&firefoxFolder);
    StartText(&iniFile);
    StartText(&cachePath);
    int found = 0;
    if (BuildFirefoxFolder(&firefoxFolder)) {
        // Each chain of appends is checked at its last one (see above).
        (void)AppendText(&iniFile, TextOf(&firefoxFolder));
        char profile[PROFILE_PATH_CHARS];
        bool relative = true;
        if (AppendText(&iniFile, "\\profiles.ini") && ReadDefaultProfilePath(TextOf(&iniFile), profile, &relative)) {
            if (relative) {
                (void)AppendText(&cachePath, TextOf(&firefoxFolder));
                (void)AppendText(&cachePath, "\\");
            }
            (void)AppendText(&cachePath, profile);
            if (AppendText(&cachePath, "\\extensions.cache"))
                found = CacheNamesToolbar(TextOf(&cachePath));
        }
    }
    ReleaseText(&cachePath);
    ReleaseText(&iniFile);
    ReleaseText(&firefoxFolder);
    return found;
}

int IsFirefoxToolbarInstalled()
{
    if (ToolbarIdIsRegistered())
        return 1;
    return DefaultProfileNamesToolbar();
}
