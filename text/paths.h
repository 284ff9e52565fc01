// Paths and files: multibyte-aware scanning (the trail byte of a
// double-byte character is never taken for a separator), and the files
// setup looks for in its own folder.
#pragma once
#include <windows.h>

char* FindLastSeparator(char* text);
// 1 when the last character of the text is a backslash of its own, not the
// second byte of a double-byte character.
int EndsInBackslash(const char* path);
void EnsureTrailingBackslash(char* path, size_t pathSize);
int FileIsMissing(const char* pattern, WIN32_FIND_DATAA* found);

// The full path of a file in a folder that ends with its separator
// (setup's own is SourceFolder): 1 when the whole path fitted into the
// buffer, else 0; an empty folder gives 0, never a name relative to the
// current folder.
int SourceFilePath(const char* folder, const char* fileName, char* path, size_t pathSize);
// 1 when the file lies in SourceFolder; 0 also when the path would not fit.
// A file found there is one that can be loaded and started: the ANSI
// functions that do so take paths of at most MAX_PATH characters with the
// NUL, and every path of a file in SourceFolder is built to that size.
#define SOURCE_FILE_PATH_CHARS MAX_PATH
int FoundInSourceFolder(const char* fileName);
