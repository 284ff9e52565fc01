// Message texts from the string table and the message boxes that show
// them, owner-less and under the setup caption.
#pragma once
#include <windows.h>

#define MESSAGE_TEXT_CHARS 512
const char* LoadMessageText(UINT id);
// A string of setup's own that is no message (a file name, a caption, a
// window title), into `buffer` of `size` bytes, cut to fit; 1 when there is
// one, else 0 and an empty buffer.
int LoadSetupString(UINT id, char* buffer, int size);
// A string-table text, joined as LoadMessageText joins it, used as a printf
// format, in a message box under the setup caption; returns the button
// pressed.
int ShowMessage(HWND owner, UINT id, UINT style, ...);
// The same for a text shown as it stands, joined as LoadMessageText joins it.
int ShowMessageText(HWND owner, UINT id, UINT style);
// In an unattended run no message box is shown, the loader's own included:
// each is answered at once as its safest button (No, Cancel, or OK where it
// has no other), and the log tells which.
void AnswerMessagesUnseen(int unseen);
