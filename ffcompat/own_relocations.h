// Where the module the export lives in lies, and putting its absolute
// addresses right for that place. Another program that loads SETUP.EXE with
// LoadLibrary gets it wherever there was room; when that is not the base it
// was linked at, Windows applies no base relocations to an .EXE (the NT
// loader relocates DLLs only, and from Vista on the memory manager relocates
// an image beforehand only at a randomised base that was free), so every
// absolute address in it still points into the caller's own memory: its
// globals, its strings, its tables of pointers. Nothing here uses one.
#pragma once
#include <windows.h>

// Where this module's image starts, read from where the code runs.
BYTE* RunningImageBase();

// 1 when this module's absolute addresses are right for where it lies: it
// lies at its linked base, a loader relocated it, or it is relocated now
// from its own base relocations. 0 when it is displaced and cannot be
// relocated (no loader records to find VirtualProtect by, relocations it
// cannot read, a page it may not write): then nothing has been written.
// One thread at a time may call this.
int RelocateOwnImageWhereDisplaced();
