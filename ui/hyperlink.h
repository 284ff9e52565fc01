// A static text control of a dialog turned into a web link: the control's
// text "Words<address>" shows the words, underlined and dark blue, and a
// click or the space bar opens the address through the shell. The control
// and its dialog are subclassed; no window class of our own is registered.
#pragma once
#include <windows.h>

// Called during WM_INITDIALOG, once per link control. A control that cannot
// be made a link stays an ordinary static text.
void MakeHyperlink(HWND dialog, int controlId);
