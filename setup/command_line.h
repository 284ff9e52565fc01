// The switches administrators give setup to deploy it. Without any, setup
// runs as it always has; an argument it does not know is ignored then.
#pragma once
#include <windows.h>

#define LOG_PATH_CHARS MAX_PATH
#define SWITCH_TEXT_CHARS 64

struct SetupOptions {
    int quiet;      // /quiet or /passive: no window of setup's own, no offer, no page
    int passive;    // /passive: the product's installer shows its progress
    int noRestart;  // /norestart: the installer does not restart Windows
    int help;       // /? or /help
    char logPath[LOG_PATH_CHARS];            // /log <file>; empty for no log
    int logArgument;                         // which argument named it, counted from 0
    char unknownSwitch[SWITCH_TEXT_CHARS];   // the first argument not understood
    int logPathMissing;                      // /log was the last argument
};

// Reads the arguments (the command line after the program's name): switches
// start with '/' or '-' and are matched without regard to case; a quoted
// argument may hold blanks. Never fails: what it does not understand is
// noted in the options.
void ReadSetupOptions(const char* arguments, SetupOptions* options);

// The arguments of the process's command line: what follows the program's
// name, quoted or not.
const char* SkipProgramName(const char* commandLine);

// The argument with this number (counted from 0) of the process's command
// line as the system keeps it, in wide characters, split as
// ReadSetupOptions splits the ANSI one; 0 where there is none, it does not
// fit, or the system lacks the wide command line.
int ReadWideArgument(int number, WCHAR* argument, size_t size);
