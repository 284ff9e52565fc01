// Registry values read as text into fixed buffers. The three readers differ
// in what they take and in what they do with a text that does not fit:
//   ReadRegistryText   text values only, into one shared buffer, cut to fit;
//   ReadWholeValueText any value, into the caller's buffer, whole or not at
//                      all, so that a path cut short is never used;
//   ReadAnyValueAsText any value, into the caller's buffer, cut to fit.
// Every text they leave ends with a NUL within its buffer.
#pragma once
#include <windows.h>

// The text of a REG_SZ, REG_EXPAND_SZ or REG_MULTI_SZ value (an empty name
// is the default value), in one shared buffer that every call reuses; empty
// when there is none or the value is of another type.
#define REGISTRY_TEXT_CHARS 1024
char* ReadRegistryText(HKEY root, const char* subKey, const char* valueName);

// A value of an open key into a buffer of `size` bytes. A value stored
// without its NUL gets it added; one that does not fit whole with its NUL
// leaves the buffer empty and gives ERROR_MORE_DATA. `type` may be NULL.
// Returns the registry status.
LONG ReadWholeValueText(HKEY key, const char* name, char* text, DWORD size, DWORD* type);

// A value of an open key, whatever its type, into a zero-filled buffer of
// `size` bytes; one that fills it, or carries no terminator, is cut by a
// byte. 1 when the value was read.
int ReadAnyValueAsText(HKEY key, const char* name, char* text, DWORD size);
