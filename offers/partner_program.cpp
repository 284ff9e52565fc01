#include "offers/partner_program.h"
#include "platform/globals.h"
#include "text/paths.h"
#include "platform/shell_functions.h"

#define EVENT_WAIT_WITHOUT_PROCESS_MS (5 * 60 * 1000)

static int StartPartnerProgram(const char* fileName, const char* arguments, const char* verb, int showCommand,
                        OwnedHandle* process)
{
    char path[SOURCE_FILE_PATH_CHARS];
    if (!SourceFilePath(SourceFolder, fileName, path, sizeof path))
        return 0;
    return ShellStartFile(verb, path, arguments, showCommand, SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI,
                          process->Receive())
               ? 1
               : 0;
}

static PartnerRun WaitForEnd(HANDLE process)
{
    PartnerRun run = {PARTNER_ENDED, 0};
    WaitForSingleObject(process, INFINITE);
    if (!GetExitCodeProcess(process, &run.exitCode))
        run.end = PARTNER_UNSEEN;
    return run;
}

static PartnerRun WaitForEventOrEnd(HANDLE event, HANDLE process)
{
    PartnerRun run = {PARTNER_SIGNALLED, 0};
    if (process == NULL) {
        if (WaitForSingleObject(event, EVENT_WAIT_WITHOUT_PROCESS_MS) != WAIT_OBJECT_0)
            run.end = PARTNER_UNSEEN;
        return run;
    }
    HANDLE waited[2] = {event, process};
    if (WaitForMultipleObjects(2, waited, FALSE, INFINITE) == WAIT_OBJECT_0)
        return run;
    // It may have set the event just before it ended.
    if (WaitForSingleObject(event, 0) == WAIT_OBJECT_0)
        return run;
    run.end = PARTNER_ENDED;
    if (!GetExitCodeProcess(process, &run.exitCode))
        run.end = PARTNER_UNSEEN;
    return run;
}

PartnerRun RunPartnerProgram(const char* fileName, const char* arguments, const char* verb, int showCommand,
                             HANDLE event)
{
    BusyCursorShown busy;
    OwnedHandle process;
    PartnerRun none = {PARTNER_NOT_STARTED, 0};
    if (!StartPartnerProgram(fileName, arguments, verb, showCommand, &process))
        return none;
    if (event != NULL)
        return WaitForEventOrEnd(event, process);
    if (!process.Holds()) {
        none.end = PARTNER_UNSEEN;
        return none;
    }
    return WaitForEnd(process);
}

const char* ElevationVerb()
{
    return IsVistaOrLater ? "runas" : "open";
}
