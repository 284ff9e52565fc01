#include "firefox_profile.h"
#include <shlobj.h>

std::string FirefoxFolder()
{
    char appData[MAX_PATH] = "";
    SHGetFolderPathA(NULL, CSIDL_APPDATA, NULL, SHGFP_TYPE_CURRENT, appData);
    return std::string(appData) + "\\Mozilla\\Firefox";
}

bool MakeFolders(const std::string& path)
{
    for (size_t at = path.find_first_of("\\/", 3); at != std::string::npos; at = path.find_first_of("\\/", at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), NULL);
    return CreateDirectoryA(path.c_str(), NULL) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    size_t slash = path.find_last_of("\\/");
    if (slash != std::string::npos)
        MakeFolders(path.substr(0, slash));
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, NULL) && written == bytes.size();
    CloseHandle(file);
    return ok;
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
