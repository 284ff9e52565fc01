#include "firefox_profile.h"
#include <shlobj.h>

std::string FirefoxFolder()
{
    char appData[MAX_PATH] = "";
    SHGetFolderPathA(NULL, CSIDL_APPDATA, NULL, SHGFP_TYPE_CURRENT, appData);
    return std::string(appData) + "\\Mozilla\\Firefox";
}


void WriteProfilesIni(const std::string& contents)
{
    WriteFileBytes(FirefoxFolder() + "\\profiles.ini", contents);
}

void WriteExtensionsCache(const std::string& profile, const std::string& bytes)
{
    WriteFileBytes(FirefoxFolder() + "\\" + profile + "\\extensions.cache", bytes);
}

std::string CacheEndingWithId(size_t size)
{
    std::string id = TOOLBAR_EXTENSION_ID;
    return std::string(size - id.size(), 'x') + id;
}

static void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

void RemoveFirefoxFolder()
{
    RemoveTree(FirefoxFolder());
}
