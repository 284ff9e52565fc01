// Where the program starts. It links no C runtime: nothing of the runtime's
// start-up is needed (no static constructors, no exceptions, the command
// line is split by setup itself), and Windows 95 ships no msvcrt.dll.
#include <windows.h>
#include "setup/command_line.h"
#include "setup/sequence.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showState)
{
    (void)previous;
    (void)showState;
    return RunSetup(instance, commandLine != NULL ? commandLine : "");
}

extern "C" void WINAPI SetupStart(void)
{
    LPSTR arguments = (LPSTR)SkipProgramName(GetCommandLineA());
    ExitProcess((UINT)WinMain(GetModuleHandleA(NULL), NULL, arguments, SW_SHOWDEFAULT));
}
