// Whether the user may write the machine's class registrations.
#pragma once
#include <windows.h>

// 1 when the user cannot write class registrations, 0 when the probe
// succeeded or there was nothing to judge by.
int LacksRegistryWriteAccess();
