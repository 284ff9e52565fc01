// Paths that Windows gives in wide characters, made into paths the ANSI
// functions take. The NT family stores names in Unicode: a name with a
// character the ANSI code page lacks comes back from every ANSI function
// with that character replaced, and then names no file. Its short (8.3)
// form, where the volume keeps one, is plain ASCII and names the same file.
// Windows 95, 98 and Me store names in the code page, and their wide
// functions are stubs: there the ANSI functions are asked as always.
#pragma once
#include <windows.h>

// What AnsiFormOfPath put into the buffer.
enum AnsiPathForm {
    PATH_NOT_FITTING,          // nothing: even the form below does not fit; the buffer is empty
    PATH_AS_IT_IS,             // the path itself: the code page holds every character
    PATH_SHORT_FORM,           // the file's short form, which names the same file
    PATH_CHARACTERS_REPLACED,  // as the ANSI functions give it: no short form the code page holds
};

// 1 on the NT family, whose paths setup reads in wide characters.
int ReadsWidePaths();

// `wide` in the ANSI code page, into `path` of `size` bytes: the path as it
// is where the code page holds it and it fits, else its short form, else
// the path with the missing characters replaced. A short form exists only
// for a file that exists.
AnsiPathForm AnsiFormOfPath(const WCHAR* wide, char* path, int size);

// The running program's own path, read in wide characters on the NT
// family; 0 when it does not fit into `size` bytes.
int ReadOwnPath(char* path, int size);
