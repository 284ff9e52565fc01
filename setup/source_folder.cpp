#include "setup/source_folder.h"
#include "platform/ansi_path.h"
#include "platform/globals.h"
#include "text/paths.h"

int FindSourceFolder()
{
    if (!ReadOwnPath(SourceFolder, sizeof SourceFolder)) {
        SourceFolder[0] = '\0';
        return 0;
    }
    char* separator = FindLastSeparator(SourceFolder);
    if (separator != NULL)
        separator[1] = '\0';
    return 1;
}
