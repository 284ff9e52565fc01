#include "firefox_profile.h"
#include <shlobj.h>

std::string FirefoxFolder()
{
    WCHAR appData[MAX_PATH] = L"";
    char utf8[MAX_PATH * 3] = "";
    SHGetFolderPathW(NULL, CSIDL_APPDATA, NULL, SHGFP_TYPE_CURRENT, appData);
    WideCharToMultiByte(CP_UTF8, 0, appData, -1, utf8, sizeof utf8, NULL, NULL);
    return std::string(utf8) + "\\Mozilla\\Firefox";
}

void UseAppDataFolder(const std::string& folder)
{
    MakeFolders(folder);
    std::wstring value = WidePath(folder);
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", 0,
                        NULL, 0, KEY_SET_VALUE, NULL, &key, NULL) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, L"AppData", 0, REG_EXPAND_SZ, (const BYTE*)value.c_str(),
                   (DWORD)((value.size() + 1) * sizeof(WCHAR)));
    RegCloseKey(key);
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
