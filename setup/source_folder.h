// The folder setup runs from, where the package and the partner files lie.
#pragma once
#include <windows.h>

// Fills SourceFolder with the folder of the running program, with its
// trailing separator. A module path that does not fit leaves the folder
// empty and answers 0, so that no package or partner file is ever looked
// for in a folder cut short.
int FindSourceFolder();
