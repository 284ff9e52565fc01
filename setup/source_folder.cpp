#include "setup/source_folder.h"
#include "platform/globals.h"
#include "text/paths.h"

int FindSourceFolder()
{
    DWORD length = GetModuleFileNameA(NULL, SourceFolder, sizeof SourceFolder);
    if (length == 0 || length >= sizeof SourceFolder) {
        SourceFolder[0] = '\0';
        return 0;
    }
    char* separator = FindLastSeparator(SourceFolder);
    if (separator != NULL)
        separator[1] = '\0';
    return 1;
}
