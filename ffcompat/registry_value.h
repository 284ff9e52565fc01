// Registry texts of the Firefox check: read into zero-filled buffers of a
// fixed size, whatever the value's type.
#pragma once
#include <windows.h>

#define FFTB_REGISTRY_TEXT_BYTES 256

// 1 when the value was read. The text always ends within the buffer: a
// value that fills it, or carries no terminator, is cut by one byte.
int ReadValueBytes(HKEY key, const char* name, char text[FFTB_REGISTRY_TEXT_BYTES]);
