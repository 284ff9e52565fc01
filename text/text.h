// Text and messages: size-checked string operations, the string-table
// loader and message boxes, and the small path, file and window helpers
// that every other part of setup shares. All text is ANSI.
#pragma once
#include <windows.h>
#include <stdarg.h>

// Result of the bounded string operations (an HRESULT).
#define BOUNDED_OK S_OK
#define BOUNDED_INVALID E_INVALIDARG
#define BOUNDED_TRUNCATED ((HRESULT)0x8007007AL)

#define BOUNDED_MAX_SIZE 0x7FFFFFFFu   // largest destination size accepted
#define BOUNDED_MAX_COUNT 0x7FFFFFFEu  // largest count CopyBoundedN accepts

HRESULT CopyBounded(char* dest, size_t destSize, const char* source);
HRESULT CopyBoundedN(char* dest, size_t destSize, const char* source, size_t maxCount);
HRESULT AppendBounded(char* dest, size_t destSize, const char* source);
HRESULT FormatBounded(char* dest, size_t destSize, const char* format, ...);
HRESULT FormatBoundedV(char* dest, size_t destSize, const char* format, va_list args);

// Multibyte-aware path scanning: the trail byte of a double-byte character
// is never taken for a separator.
char* FindLastSeparator(char* text);
void EnsureTrailingBackslash(char* path, size_t pathSize);

#define MESSAGE_TEXT_CHARS 512
const char* LoadMessageText(UINT id);
// A string-table text used as a printf format, in a message box under the
// setup caption; returns the button pressed.
int ShowMessage(HWND owner, UINT id, UINT style, ...);
// The same for a text shown as it stands, joined as LoadMessageText joins it.
int ShowMessageText(HWND owner, UINT id, UINT style);
// In an unattended run no message box is shown: each is answered at once
// as its safest button (No, Cancel, or OK where it has no other), and the
// log tells which.
void AnswerMessagesUnseen(int unseen);

int FileIsMissing(const char* pattern, WIN32_FIND_DATAA* found);
void CenterWindowOnScreen(HWND window);

// Full path of a file in the system folder, or of a file in a folder that
// ends with its separator (setup's own is SourceFolder). Both return 1 when
// the whole path fitted into the buffer, else 0; an empty folder gives 0,
// never a name relative to the current folder.
int SystemFilePath(const char* fileName, char* path, size_t pathSize);
int SourceFilePath(const char* folder, const char* fileName, char* path, size_t pathSize);
// 1 when the file lies in SourceFolder; 0 also when the path would not fit.
// A file found there is one that can be loaded and started: the ANSI
// functions that do so take paths of at most MAX_PATH characters with the
// NUL, and every path of a file in SourceFolder is built to that size.
#define SOURCE_FILE_PATH_CHARS MAX_PATH
int FoundInSourceFolder(const char* fileName);
// Loads a system library by its full path, never from the search path.
HMODULE LoadSystemLibrary(const char* fileName);
