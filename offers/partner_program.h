// Starting the partner programs that lie in SourceFolder: always by their
// full path there (the folder where setup checked for them), never by bare
// name through the search path, so that a program of the same name elsewhere
// is never started instead.
#pragma once
#include <windows.h>
#include "platform/owned.h"


// How a partner program's run ended, as far as setup could see it.
enum PartnerRunEnd {
    PARTNER_NOT_STARTED,  // the shell could not start it
    PARTNER_UNSEEN,       // started, but the shell gave no process to wait for
    PARTNER_ENDED,        // it ended; its exit code is known
    PARTNER_SIGNALLED,    // it set the event setup waited for
};

struct PartnerRun {
    int end;
    DWORD exitCode;  // PARTNER_ENDED only
};

// Starts the program and waits, with the busy cursor shown, until it ends
// or, when an event is given, until it sets the event, whichever comes
// first. With an event and no process to watch, the wait for the event has
// a bound, since the program's end cannot be seen then.
PartnerRun RunPartnerProgram(const char* fileName, const char* arguments, const char* verb, int showCommand,
                             HANDLE event);

// The verb for programs that need administrator rights: "runas" from
// Windows Vista on, "open" before.
const char* ElevationVerb();
