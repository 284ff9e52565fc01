// Starting the partner programs that lie in SourceFolder: always by their
// full path there (the folder where setup checked for them), never by bare
// name through the search path, so that a program of the same name elsewhere
// is never started instead.
#pragma once
#include <windows.h>
#include "text/owned.h"

// Starts SourceFolder + fileName through the shell with the verb and show
// command given, without the shell's own error dialogs. Returns 1 when the
// shell started it; *process then owns its handle (or holds none when the
// shell gave none).
int StartPartnerProgram(const char* fileName, const char* arguments, const char* verb, int showCommand,
                        OwnedHandle* process);

// The verb for programs that need administrator rights: "runas" from
// Windows Vista on, "open" before.
const char* ElevationVerb();
