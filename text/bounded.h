// Size-checked string operations: they never write past the stated size,
// always leave a terminated text, and say whether it was cut. All text is
// ANSI.
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
// printf conversions %s %c %d %i %u %x %X %% with the flags - 0 # + and
// blank, widths and precisions (digits or *) and the size letter l, as C's
// snprintf gives them; any other conversion is refused (BOUNDED_INVALID,
// an empty text) before an argument is read.
HRESULT FormatBounded(char* dest, size_t destSize, const char* format, ...);
HRESULT FormatBoundedV(char* dest, size_t destSize, const char* format, va_list args);
