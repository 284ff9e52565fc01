#include "text/bounded.h"

static bool SizeIsValid(size_t size)
{
    return size != 0 && size <= BOUNDED_MAX_SIZE;
}

// Shared tail of the copy operations; the size has been validated.
static HRESULT CopyChecked(char* dest, size_t destSize, const char* source, size_t maxCount)
{
    size_t copied = 0;
    while (copied < destSize && copied < maxCount && source[copied] != '\0') {
        dest[copied] = source[copied];
        ++copied;
    }
    if (copied == destSize) {
        dest[copied - 1] = '\0';
        return BOUNDED_TRUNCATED;
    }
    dest[copied] = '\0';
    return BOUNDED_OK;
}

HRESULT CopyBoundedN(char* dest, size_t destSize, const char* source, size_t maxCount)
{
    if (!SizeIsValid(destSize))
        return BOUNDED_INVALID;
    if (maxCount > BOUNDED_MAX_COUNT) {
        dest[0] = '\0';
        return BOUNDED_INVALID;
    }
    return CopyChecked(dest, destSize, source, maxCount);
}

HRESULT CopyBounded(char* dest, size_t destSize, const char* source)
{
    return CopyBoundedN(dest, destSize, source, BOUNDED_MAX_COUNT);
}

HRESULT AppendBounded(char* dest, size_t destSize, const char* source)
{
    if (!SizeIsValid(destSize))
        return BOUNDED_INVALID;
    size_t length = 0;
    while (length < destSize && dest[length] != '\0')
        ++length;
    if (length == destSize)
        return BOUNDED_INVALID;
    return CopyChecked(dest + length, destSize - length, source, BOUNDED_MAX_COUNT);
}
