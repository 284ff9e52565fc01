// A static text control of a dialog turned into a web link: the control's
// text "Words<address>" shows the words, underlined and dark blue, and a
// click or the space bar opens the address through the shell. The control
// and its dialog are subclassed; no window class of our own is registered.
#pragma once
#include <windows.h>

// Window properties on a link control.
#define HYPERLINK_OBJECT_PROPERTY "_HYPERLINK_OBJECT_PTR_"
#define HYPERLINK_MARK_PROPERTY "_HYPERLINK_"
#define HYPERLINK_OLD_WNDPROC_PROPERTY "_HYPERLINK_OLD_WNDPROC"

#define HYPERLINK_TEXT_COLOUR RGB(0, 0, 192)

// One per link, from MakeHyperlink until the control is destroyed.
struct HyperlinkObject {
    int controlId;
    char* target;         // owned; NULL when the text held no bracketed address
    HWND parent;
    HWND control;
    HFONT originalFont;   // not owned
    HFONT underlineFont;  // owned
};

// Called during WM_INITDIALOG, once per link control. A control that cannot
// be made a link stays an ordinary static text.
void MakeHyperlink(HWND dialog, int controlId);

// The pieces behind it.
// Cuts "Words<address>" in place into the words (left in text) and the
// address (returned); NULL, with the text untouched, when it holds no
// bracketed address.
char* SplitHyperlinkText(char* text);
char* ReadControlText(const HyperlinkObject* link);  // heap text, or NULL; the caller frees it
void OpenHyperlink(const HyperlinkObject* link);
void FitHyperlinkToText(const HyperlinkObject* link);
void DrawHyperlinkFocus(const HyperlinkObject* link);
void ReleaseHyperlink(HyperlinkObject* link);
LRESULT CALLBACK HyperlinkControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK HyperlinkParentProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
