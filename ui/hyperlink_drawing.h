// The pieces behind MakeHyperlink: a link's record and its drawing, for the
// files of the link and for tests.
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

// Cuts "Words<address>" in place into the words (left in text) and the
// address (returned); NULL, with the text untouched, when it holds no
// bracketed address.
char* SplitHyperlinkText(char* text);
char* ReadControlText(const HyperlinkObject* link);  // heap text, or NULL; the caller frees it
void FitHyperlinkToText(const HyperlinkObject* link);
// Draws the focus rectangle where it is not shown and takes it away where it
// is (it is drawn by inverting).
void DrawHyperlinkFocus(const HyperlinkObject* link);
// The same into a context of the window given (the link or its dialog), as
// they paint while the link has the focus: a repaint so keeps the
// rectangle, and inverting it again when the focus goes takes it away. The
// dialog paints before the link, which paints over the part that lies on it.
void PaintHyperlinkFocus(const HyperlinkObject* link, HWND window, HDC dc);
LRESULT CALLBACK HyperlinkParentProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
