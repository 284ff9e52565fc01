// Scans of texts read from the registry. Both are multibyte-aware: a
// double-byte character is stepped over whole.
#pragma once
#include <windows.h>

// A blank between words: a space or a tab, in narrow or wide text.
inline bool IsBlank(unsigned character)
{
    return character == ' ' || character == '\t';
}

// How a scan steps through a text: a byte at a time, for the contents of a
// file that need not be in the code page, or a character at a time, so
// that a match never starts on the second byte of a double-byte character.
enum TextSteps { STEP_BY_BYTE, STEP_BY_CHARACTER };

// Where the needle first occurs in the text, exactly as written; null when
// it does not.
const char* FindText(const char* needle, const char* text, TextSteps steps);

// Where the needle first occurs in the text, case ignored by the system's
// locale rules; null when it does not (also for texts longer than 1023
// bytes or a null argument).
const char* FindTextNoCase(const char* needle, const char* text);

// The signed number at the start of text (leading blanks skipped, one "-"
// accepted, saturated at the limits of int). Cuts the text at its first
// "." and sets *rest to what follows, or to null when there is none.
int ReadVersionPart(char* text, char** rest);
