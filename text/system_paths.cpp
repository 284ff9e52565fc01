#include "text/text.h"
#include "text/globals.h"

int SystemFilePath(const char* fileName, char* path, size_t pathSize)
{
    char folder[MAX_PATH];
    UINT length = GetSystemDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder)
        return 0;
    return FormatBounded(path, pathSize, "%s\\%s", folder, fileName) == BOUNDED_OK;
}

int SourceFilePath(const char* folder, const char* fileName, char* path, size_t pathSize)
{
    if (folder[0] == '\0')
        return 0;  // never a name relative to the current folder
    return FormatBounded(path, pathSize, "%s%s", folder, fileName) == BOUNDED_OK;
}

int FoundInSourceFolder(const char* fileName)
{
    char path[SOURCE_FILE_PATH_CHARS];
    WIN32_FIND_DATAA found;
    return SourceFilePath(SourceFolder, fileName, path, sizeof path) && !FileIsMissing(path, &found);
}

HMODULE LoadSystemLibrary(const char* fileName)
{
    char path[MAX_PATH];
    if (!SystemFilePath(fileName, path, sizeof path))
        return NULL;
    return LoadLibraryA(path);
}
