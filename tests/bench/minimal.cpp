// The yardstick for setup's first window: a program that only shows a
// message box, under setup's manifest, so that the box is drawn with
// version 6 of the common controls as setup's dialogs are. Like setup it
// starts without a C runtime.
#include <windows.h>

extern "C" void WINAPI YardstickStart(void)
{
    ExitProcess(MessageBoxA(NULL, "Minimal program", "Minimal", MB_OK) == IDOK ? 0 : 1);
}
