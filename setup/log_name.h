// The /log name as the ANSI functions, and msiexec's command line, can take
// it: a name that the code page lacks a character of is put in its short
// form.
#pragma once
#include "setup/command_line.h"

// On the NT family, where the /log name read from the wide command line
// holds a character the ANSI code page lacks: makes the file (a file has no
// short name before it exists) and puts its short form into the options.
// Where there is no short form the options stay as they were, and a file
// made here is removed again.
void UseShortLogNameWhereLossy(SetupOptions* options);
