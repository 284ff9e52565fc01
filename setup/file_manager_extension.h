// The old File Manager extension of Tarvex, asked to let go of its library.
#pragma once
#include <windows.h>

// 1 to go on; 0 when the library stayed in use (the user has been told, and
// the winfile.ini entry is as it was).
int UnloadFileManagerExtension();
