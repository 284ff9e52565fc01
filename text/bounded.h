// Size-checked string operations: they never write past the stated size,
// always leave a terminated text, and say whether it was cut. All text is
// ANSI.
#pragma once
#include <windows.h>

// Result of the bounded string operations (an HRESULT).
#define BOUNDED_OK S_OK
#define BOUNDED_INVALID E_INVALIDARG
#define BOUNDED_TRUNCATED ((HRESULT)0x8007007AL)

#define BOUNDED_MAX_SIZE 0x7FFFFFFFu   // largest destination size accepted
#define BOUNDED_MAX_COUNT 0x7FFFFFFEu  // largest count CopyBoundedN accepts

HRESULT CopyBounded(char* dest, size_t destSize, const char* source);
HRESULT CopyBoundedN(char* dest, size_t destSize, const char* source, size_t maxCount);
HRESULT AppendBounded(char* dest, size_t destSize, const char* source);

// The formatted print of the same family.
#include "text/format.h"
