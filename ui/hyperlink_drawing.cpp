// A link's text read, measured and its focus drawn.
#include "ui/hyperlink_drawing.h"
#include "platform/owned.h"

char* ReadControlText(const HyperlinkObject* link)
{
    int length = GetWindowTextLengthA(link->control);
    char* text = (char*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, (size_t)length + 1);
    if (text != NULL)
        GetWindowTextA(link->control, text, length + 1);
    return text;
}

// The font the link is drawn with: the underlined copy, or the control's own
// when none could be made.
static HFONT LinkFont(const HyperlinkObject* link)
{
    return link->underlineFont != NULL ? link->underlineFont : link->originalFont;
}

void FitHyperlinkToText(const HyperlinkObject* link)
{
    RECT rect;
    GetWindowRect(link->control, &rect);
    MapWindowPoints(NULL, link->parent, (POINT*)&rect, 2);

    OwnedBlock<char*> text(ReadControlText(link));
    SIZE extent = {0, 0};
    {
        WindowDc dc(link->control);
        Selected font(dc, LinkFont(link));
        const char* measured = text.Holds() ? (const char*)text : "";
        GetTextExtentPoint32A(dc, measured, lstrlenA(measured), &extent);
    }

    int width = rect.right - rect.left;
    int left = rect.left;
    LONG style = GetWindowLongA(link->control, GWL_STYLE);
    if ((style & SS_TYPEMASK) == SS_CENTER)
        left = rect.left + (width - extent.cx) / 2;
    else if ((style & SS_TYPEMASK) == SS_RIGHT)
        left = rect.right - extent.cx;
    SetWindowPos(link->control, NULL, left, rect.top, extent.cx, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// Where the focus rectangle goes, in the client coordinates of the window
// given (the link or its dialog): around the text, 1 pixel wider on each
// side and 2 taller above and below. False when the text cannot be read.
static bool FocusPlace(const HyperlinkObject* link, HWND window, RECT* rect)
{
    OwnedBlock<char*> text(ReadControlText(link));
    if (!text.Holds())
        return false;
    rect->left = rect->top = rect->right = rect->bottom = 0;
    {
        WindowDc dc(link->control);
        Selected font(dc, LinkFont(link));
        DrawTextA(dc, text, -1, rect, DT_CALCRECT);
    }
    InflateRect(rect, 1, 2);
    MapWindowPoints(link->control, window, (POINT*)rect, 2);
    return true;
}

void PaintHyperlinkFocus(const HyperlinkObject* link, HWND window, HDC dc)
{
    RECT rect;
    if (FocusPlace(link, window, &rect))
        DrawFocusRect(dc, &rect);
}

void DrawHyperlinkFocus(const HyperlinkObject* link)
{
    WindowDc dialogDc(link->parent);
    PaintHyperlinkFocus(link, link->parent, dialogDc);
}
