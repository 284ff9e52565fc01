#include "platform/system_library.h"

int SystemFilePath(const char* fileName, char* path, size_t pathSize)
{
    char folder[MAX_PATH];
    UINT length = GetSystemDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder)
        return 0;
    size_t nameLength = (size_t)lstrlenA(fileName);
    if (length + 1 + nameLength + 1 > pathSize)
        return 0;
    CopyMemory(path, folder, length);
    path[length] = '\\';
    CopyMemory(path + length + 1, fileName, nameLength + 1);
    return 1;
}

HMODULE LoadSystemLibrary(const char* fileName)
{
    char path[MAX_PATH];
    if (!SystemFilePath(fileName, path, sizeof path))
        return NULL;
    return LoadLibraryA(path);
}
