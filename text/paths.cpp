#include "text/text.h"
#include "text/owned.h"

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

void EnsureTrailingBackslash(char* path, size_t pathSize)
{
    char* lastChar = path;
    for (char* position = path; *position != '\0'; position = CharNextA(position))
        lastChar = position;
    bool endsInBackslash = *lastChar == '\\' && !IsDBCSLeadByte((BYTE)*lastChar);
    if (!endsInBackslash)
        (void)AppendBounded(path, pathSize, "\\");  // a full path stays as it is
}

int FileIsMissing(const char* pattern, WIN32_FIND_DATAA* found)
{
    OwnedFileSearch search(FindFirstFileA(pattern, found));
    return search.Holds() ? 0 : 1;
}
