// What the sequence learns about the machine without telling the user
// anything; it decides what follows.
#pragma once
#include <windows.h>

// Sets IsVistaOrLater on the NT platform from major version 6 on; never
// clears it.
void ClassifyWindows();
// 1 when the user cannot write class registrations, 0 when the probe
// succeeded or there was nothing to judge by.
int LacksRegistryWriteAccess();
