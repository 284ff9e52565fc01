// Registry texts read into fixed buffers.
#pragma once
#include <windows.h>

// Reads a value of an open key as text into a buffer of `size` bytes. The
// text always ends with a NUL: a value stored without one gets it added,
// and a value that does not fit whole with its NUL is not taken (the
// buffer is left empty and ERROR_MORE_DATA returned), so that a path cut
// short is never used. `type` may be NULL. Returns the registry status.
LONG ReadValueText(HKEY key, const char* name, char* text, DWORD size, DWORD* type);
