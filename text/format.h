// Setup's own formatted print into a bounded buffer, with the results of
// the bounded string operations.
#pragma once
#include <windows.h>
#include <stdarg.h>

// printf conversions %s %c %d %i %u %x %X %% with the flags - 0 # + and
// blank, widths and precisions (digits or *) and the size letter l, as C's
// snprintf gives them; any other conversion is refused (BOUNDED_INVALID,
// an empty text) before an argument is read.
HRESULT FormatBounded(char* dest, size_t destSize, const char* format, ...);
HRESULT FormatBoundedV(char* dest, size_t destSize, const char* format, va_list args);
