#include "text/bounded.h"
#include "text/paths.h"
#include "platform/owned.h"

static bool IsSeparatorAt(const char* position)
{
    unsigned char first = (unsigned char)*position;
    if (IsDBCSLeadByte(first))
        return false;
    return first == '\\' || first == '/';
}

char* FindLastSeparator(char* text)
{
    char* last = NULL;
    for (char* position = text; *position != '\0'; position = CharNextA(position)) {
        if (IsSeparatorAt(position))
            last = position;
    }
    return last;
}

int EndsInBackslash(const char* path)
{
    const char* lastChar = path;
    for (const char* position = path; *position != '\0'; position = CharNextA(position))
        lastChar = position;
    return *lastChar == '\\' && !IsDBCSLeadByte((BYTE)*lastChar);
}

void EnsureTrailingBackslash(char* path, size_t pathSize)
{
    if (!EndsInBackslash(path))
        (void)AppendBounded(path, pathSize, "\\");  // a full path stays as it is
}

int FileIsMissing(const char* pattern, WIN32_FIND_DATAA* found)
{
    OwnedFileSearch search(FindFirstFileA(pattern, found));
    return search.Holds() ? 0 : 1;
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
