#include "offers/partner_start.h"
#include "text/globals.h"
#include "text/text.h"
#include "text/shell_functions.h"

int StartPartnerProgram(const char* fileName, const char* arguments, const char* verb, int showCommand,
                        OwnedHandle* process)
{
    char path[SOURCE_FILE_PATH_CHARS];
    if (!SourceFilePath(SourceFolder, fileName, path, sizeof path))
        return 0;
    SHELLEXECUTEINFOA launch;
    ZeroMemory(&launch, sizeof launch);
    launch.cbSize = sizeof launch;
    launch.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    launch.lpVerb = verb;
    launch.lpFile = path;
    launch.lpParameters = arguments;
    launch.nShow = showCommand;
    if (!ShellStart(&launch))
        return 0;
    *process->Receive() = launch.hProcess;
    return 1;
}

const char* ElevationVerb()
{
    return IsVistaOrLater ? "runas" : "open";
}
