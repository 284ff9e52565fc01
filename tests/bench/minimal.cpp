// The yardstick for setup's start-up and shut-down: a Win32 program that only
// shows a message box.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    MessageBoxA(NULL, "Minimal program", "Minimal", MB_OK);
    return 0;
}
