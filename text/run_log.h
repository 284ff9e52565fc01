// The plain-text log of a run that an administrator asks for: one line per
// step, each with the local time, written as the run goes, so that a run
// that is killed leaves what happened until then. Without a log the lines
// go nowhere.
#pragma once
#include <windows.h>

// Opens the file for appending, creating it where there is none. 1 when it
// is open, 0 when it could not be opened.
int OpenRunLog(const char* path);
// A printf format and its arguments, as FormatBounded takes them; a line
// longer than a log line holds is cut.
void LogStep(const char* format, ...);
void CloseRunLog();
