// The run of setup from start to end: a straight sequence of steps on one
// thread, each of which may end the run.
#pragma once
#include <windows.h>

// The whole run, with the arguments setup was started with (the command
// line after the program's name). Returns the program's exit code.
int RunSetup(HINSTANCE instance, const char* arguments);
