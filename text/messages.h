// Message texts from the string table and the message boxes that show
// them, owner-less and under the setup caption.
#pragma once
#include <windows.h>

#define MESSAGE_TEXT_CHARS 512
const char* LoadMessageText(UINT id);
// A string-table text used as a printf format, in a message box under the
// setup caption; returns the button pressed.
int ShowMessage(HWND owner, UINT id, UINT style, ...);
// The same for a text shown as it stands, joined as LoadMessageText joins it.
int ShowMessageText(HWND owner, UINT id, UINT style);
// In an unattended run no message box is shown: each is answered at once
// as its safest button (No, Cancel, or OK where it has no other), and the
// log tells which.
void AnswerMessagesUnseen(int unseen);
