// The three memory functions the compiler may call for copies and fills of
// its own: the program links no C runtime, so they are here, built so that
// they are not turned back into calls of themselves.
#include <windows.h>

extern "C" void* memmove(void* dest, const void* source, size_t count)
{
    unsigned char* to = (unsigned char*)dest;
    const unsigned char* from = (const unsigned char*)source;
    if (to < from) {
        for (size_t i = 0; i < count; ++i)
            to[i] = from[i];
    } else {
        for (size_t i = count; i > 0; --i)
            to[i - 1] = from[i - 1];
    }
    return dest;
}

extern "C" void* memcpy(void* dest, const void* source, size_t count)
{
    return memmove(dest, source, count);
}

extern "C" void* memset(void* dest, int value, size_t count)
{
    unsigned char* to = (unsigned char*)dest;
    for (size_t i = 0; i < count; ++i)
        to[i] = (unsigned char)value;
    return dest;
}
