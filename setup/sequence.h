// The run of setup from start to end: a straight sequence of steps on one
// thread, each of which may end the run.
#pragma once
#include <windows.h>

// The whole run. Always returns 0, the program's exit code.
int RunSetup(HINSTANCE instance);
