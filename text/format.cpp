// The printf conversions of setup's texts come from the system's wvsprintfA
// (user32 on every Windows since the first): the program links no C runtime,
// so that it starts on systems that ship none (Windows 95 has no msvcrt.dll).
// wvsprintfA knows %s %c %d %i %u %x %X %%, the flags '-' and '0', a width,
// a precision for %s and the size letter l, and writes at most 1023
// characters and the NUL into a buffer it cannot be told the size of: it
// writes into one of that size here, and the text is then copied, cut to the
// destination. A text of 1023 characters or more counts as cut, since the
// system cannot say whether it was; setup formats nothing that long.
#include "text/text.h"

#define SYSTEM_FORMAT_CHARS 1023  // the most wvsprintfA writes, without the NUL

HRESULT FormatBoundedV(char* dest, size_t destSize, const char* format, va_list args)
{
    if (destSize == 0 || destSize > BOUNDED_MAX_SIZE)
        return BOUNDED_INVALID;
    char formatted[SYSTEM_FORMAT_CHARS + 1];
    int length = wvsprintfA(formatted, format, args);
    if (length < 0) {
        dest[0] = '\0';
        return BOUNDED_INVALID;
    }
    formatted[length < SYSTEM_FORMAT_CHARS ? length : SYSTEM_FORMAT_CHARS] = '\0';
    HRESULT copied = CopyBounded(dest, destSize, formatted);
    // A text as long as the system writes may have been cut by it already.
    if (copied == BOUNDED_OK && length >= SYSTEM_FORMAT_CHARS)
        return BOUNDED_TRUNCATED;
    return copied;
}
