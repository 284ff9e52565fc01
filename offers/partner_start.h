// Starting the partner programs that lie in SourceFolder: always by their
// full path there (the folder where setup checked for them), never by bare
// name through the search path, so that a program of the same name elsewhere
// is never started instead.
#pragma once
#include <windows.h>

// Starts SourceFolder + fileName through the shell with the verb and show
// command given, without the shell's own error dialogs. Returns 1 when the
// shell started it; *process then holds its handle (or NULL when the shell
// gave none) and must be closed by the caller.
int StartPartnerProgram(const char* fileName, const char* arguments, const char* verb, int showCommand,
                        HANDLE* process);

// The verb for programs that need administrator rights: "runas" from
// Windows Vista on, "open" before.
const char* ElevationVerb();
