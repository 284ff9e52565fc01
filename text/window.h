// Where setup's windows appear.
#pragma once
#include <windows.h>

void CenterWindowOnScreen(HWND window);
