// Scans of texts read from the registry. Both are multibyte-aware: a
// double-byte character is stepped over whole.
#pragma once
#include <windows.h>

// Where the needle first occurs in the text, case ignored by the system's
// locale rules; null when it does not (also for texts longer than 1023
// bytes or a null argument).
const char* FindTextNoCase(const char* needle, const char* text);

// The signed number at the start of text (leading blanks skipped, one "-"
// accepted, saturated at the limits of int). Cuts the text at its first
// "." and sets *rest to what follows, or to null when there is none.
int ReadVersionPart(char* text, char** rest);
