#include <stdio.h>
#include "test_files.h"

std::wstring WidePath(const std::string& path)
{
    std::wstring wide(path.size() + 1, L'\0');
    int length = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, &wide[0], (int)wide.size());
    wide.resize(length > 0 ? length - 1 : 0);
    return wide;
}

static bool IsAscii(const std::string& text)
{
    for (char c : text)
        if ((unsigned char)c >= 0x80)
            return false;
    return true;
}

std::string ShortFormOf(const std::string& path)
{
    if (IsAscii(path))
        return path;
    WCHAR shortForm[MAX_PATH];
    char ansi[MAX_PATH];
    DWORD length = GetShortPathNameW(WidePath(path).c_str(), shortForm, MAX_PATH);
    if (length == 0 || length >= MAX_PATH ||
        WideCharToMultiByte(CP_ACP, 0, shortForm, -1, ansi, sizeof ansi, NULL, NULL) == 0)
        return "(no short form of " + path + ")";
    return ansi;
}

std::string WithShortForms(std::string text, const std::vector<std::string>& folders)
{
    for (const std::string& folder : folders) {
        if (folder.empty() || IsAscii(folder))
            continue;
        std::string shortForm = ShortFormOf(folder);
        for (size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at + shortForm.size()))
            text.replace(at, folder.size(), shortForm);
    }
    return text;
}

bool MakeFolders(const std::string& path)
{
    for (size_t at = path.find_first_of("\\/", 3); at != std::string::npos; at = path.find_first_of("\\/", at + 1))
        CreateDirectoryW(WidePath(path.substr(0, at)).c_str(), NULL);
    return CreateDirectoryW(WidePath(path).c_str(), NULL) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    size_t slash = path.find_last_of("\\/");
    if (slash != std::string::npos)
        MakeFolders(path.substr(0, slash));
    HANDLE file =
        CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, NULL) && written == bytes.size();
    CloseHandle(file);
    return ok;
}

void MakeFile(const char* path)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    CloseHandle(file);
}

std::vector<std::string> ReadTextLines(const std::string& path)
{
    std::vector<std::string> lines;
    FILE* file = _wfopen(WidePath(path).c_str(), L"rb");
    if (file == NULL)
        return lines;
    char line[4096];
    while (fgets(line, sizeof line, file) != NULL) {
        std::string text = line;
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        lines.push_back(text);
    }
    fclose(file);
    return lines;
}
