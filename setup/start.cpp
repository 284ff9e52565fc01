// Where the program starts. It links no C runtime: nothing of the runtime's
// start-up is needed (no static constructors, no exceptions, the command
// line is split by setup itself), and Windows 95 ships no msvcrt.dll. The compiler may
// still call the three memory functions for copies and fills of its own;
// they are here, built so that they are not turned back into calls of
// themselves.
#include <windows.h>
#include "setup/command_line.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showState);

extern "C" void WINAPI SetupStart(void)
{
    LPSTR arguments = (LPSTR)SkipProgramName(GetCommandLineA());
    ExitProcess((UINT)WinMain(GetModuleHandleA(NULL), NULL, arguments, SW_SHOWDEFAULT));
}

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
