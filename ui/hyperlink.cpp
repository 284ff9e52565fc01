#include "ui/hyperlink.h"
#include "ui/hyperlink_drawing.h"
#include "platform/globals.h"
#include "text/bounded.h"
#include "platform/owned.h"
#include "platform/shell_functions.h"

// All dialogs that hold links are standard dialog boxes and share one window
// procedure, so the first one read (SavedDialogProc) serves for every later
// dialog.

static LRESULT CALLBACK HyperlinkControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

static void* AllocateZeroed(size_t size)
{
    return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size);
}

static void FreeHeap(void* block)
{
    OwnedBlock<void*> freed(block);  // freed on the way out, where there is one
}

// Only the last "<" counts, and only with a ">" after it; what follows that
// ">" is dropped. Bytes are scanned: in the double-byte code pages neither
// bracket can be the trail byte of a character.
char* SplitHyperlinkText(char* text)
{
    char* open = NULL;
    for (char* c = text; *c != '\0'; ++c)
        if (*c == '<')
            open = c;
    if (open == NULL)
        return NULL;
    char* close = open + 1;
    while (*close != '\0' && *close != '>')
        ++close;
    if (*close != '>')
        return NULL;
    *open = '\0';
    *close = '\0';
    return open + 1;
}

// "Words<address>": the words become the control's text and the address the
// target.
static void SplitLinkText(HyperlinkObject* link, char* text)
{
    char* address = SplitHyperlinkText(text);
    if (address == NULL)
        return;
    SetWindowTextA(link->control, text);
    size_t targetSize = (size_t)lstrlenA(address) + 1;
    link->target = (char*)AllocateZeroed(targetSize);
    if (link->target != NULL)
        (void)CopyBounded(link->target, targetSize, address);  // sized to fit exactly
}

static void MakeUnderlineFont(HyperlinkObject* link)
{
    link->originalFont = (HFONT)SendMessageA(link->control, WM_GETFONT, 0, 0);
    LOGFONTA font;
    if (link->originalFont == NULL || GetObjectA(link->originalFont, sizeof font, &font) == 0)
        return;
    font.lfUnderline = 1;
    link->underlineFont = CreateFontIndirectA(&font);
    if (link->underlineFont != NULL)
        SendMessageA(link->control, WM_SETFONT, (WPARAM)link->underlineFont, FALSE);
}

// Reads the control's text and splits it; false when it cannot be read.
static bool TakeLinkText(HyperlinkObject* link)
{
    OwnedBlock<char*> text(ReadControlText(link));
    if (!text.Holds())
        return false;
    SplitLinkText(link, text);
    return true;
}

void MakeHyperlink(HWND dialog, int controlId)
{
    OwnedBlock<HyperlinkObject*> made((HyperlinkObject*)AllocateZeroed(sizeof(HyperlinkObject)));
    if (!made.Holds())
        return;
    made->parent = dialog;
    made->controlId = controlId;
    made->control = GetDlgItem(dialog, controlId);
    if (made->control == NULL || !TakeLinkText(made))
        return;

    // From here the record belongs to the control, until it is destroyed.
    HyperlinkObject* link = made.Detach();
    SetPropA(link->control, HYPERLINK_OBJECT_PROPERTY, (HANDLE)link);
    SetPropA(link->control, HYPERLINK_MARK_PROPERTY, (HANDLE)1);
    LONG style = GetWindowLongA(link->control, GWL_STYLE);
    SetWindowLongA(link->control, GWL_STYLE, style | WS_TABSTOP | SS_NOTIFY);

    LONG_PTR controlProc = GetWindowLongPtrA(link->control, GWLP_WNDPROC);
    SetPropA(link->control, HYPERLINK_OLD_WNDPROC_PROPERTY, (HANDLE)controlProc);
    SetWindowLongPtrA(link->control, GWLP_WNDPROC, (LONG_PTR)HyperlinkControlProc);

    if (SavedDialogProc == NULL)
        SavedDialogProc = (WNDPROC)GetWindowLongPtrA(dialog, GWLP_WNDPROC);
    SetWindowLongPtrA(dialog, GWLP_WNDPROC, (LONG_PTR)HyperlinkParentProc);

    MakeUnderlineFont(link);
    FitHyperlinkToText(link);
}

static void ReleaseHyperlink(HyperlinkObject* link)
{
    bool controlExists = link->control != NULL && IsWindow(link->control);
    if (link->originalFont != NULL && controlExists) {
        SendMessageA(link->control, WM_SETFONT, (WPARAM)link->originalFont, FALSE);
        link->originalFont = NULL;
    }
    if (link->underlineFont != NULL) {
        DeleteObject(link->underlineFont);
        link->underlineFont = NULL;
    }
    if (controlExists) {
        HANDLE controlProc = GetPropA(link->control, HYPERLINK_OLD_WNDPROC_PROPERTY);
        if (controlProc != NULL) {
            SetWindowLongPtrA(link->control, GWLP_WNDPROC, (LONG_PTR)controlProc);
            RemovePropA(link->control, HYPERLINK_OLD_WNDPROC_PROPERTY);
        }
        RemovePropA(link->control, HYPERLINK_MARK_PROPERTY);
        RemovePropA(link->control, HYPERLINK_OBJECT_PROPERTY);
    }
    link->control = NULL;
    if (link->parent != NULL && IsWindow(link->parent) && SavedDialogProc != NULL)
        SetWindowLongPtrA(link->parent, GWLP_WNDPROC, (LONG_PTR)SavedDialogProc);
    FreeHeap(link->target);
    link->target = NULL;
    link->parent = NULL;
}

// While a link has the focus, the window (the link or its dialog) paints
// itself into a paint context of ours, and the link's focus rectangle is
// drawn into the same context.
static void OpenHyperlink(const HyperlinkObject* link)
{
    // Handing the shell no address would open some default place instead.
    if (link->target == NULL || link->target[0] == '\0')
        return;
    BusyCursorShown busy;
    (void)ShellOpen(link->parent, "open", link->target);  // failures stay silent
}

static LRESULT PaintWithFocus(const HyperlinkObject* link, HWND window, WNDPROC paint)
{
    PAINTSTRUCT painting;
    HDC dc = BeginPaint(window, &painting);
    LRESULT result = CallWindowProcA(paint, window, WM_PAINT, (WPARAM)dc, 0);
    PaintHyperlinkFocus(link, window, dc);
    EndPaint(window, &painting);
    return result;
}

static LRESULT CALLBACK HyperlinkControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    HyperlinkObject* link = (HyperlinkObject*)GetPropA(control, HYPERLINK_OBJECT_PROPERTY);
    WNDPROC previous = (WNDPROC)GetPropA(control, HYPERLINK_OLD_WNDPROC_PROPERTY);
    if (previous == NULL)
        return DefWindowProcA(control, message, wParam, lParam);

    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (link != NULL)
            DrawHyperlinkFocus(link);
        break;
    case WM_SETCURSOR:
        SetCursor(LoadCursor(NULL, IDC_HAND));
        return TRUE;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS;
    case WM_CHAR:
        if (wParam == ' ' && link != NULL)
            OpenHyperlink(link);
        break;
    case WM_PAINT:
        if (link != NULL && wParam == 0 && GetFocus() == control)
            return PaintWithFocus(link, control, previous);
        break;
    }
    LRESULT result = CallWindowProcA(previous, control, message, wParam, lParam);
    if (link != NULL && message == WM_DESTROY) {
        ReleaseHyperlink(link);
        FreeHeap(link);
    }
    return result;
}

static HyperlinkObject* LinkOf(HWND window)
{
    if (window == NULL || GetPropA(window, HYPERLINK_MARK_PROPERTY) == NULL)
        return NULL;
    return (HyperlinkObject*)GetPropA(window, HYPERLINK_OBJECT_PROPERTY);
}

LRESULT CALLBACK HyperlinkParentProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        SetWindowLongPtrA(dialog, GWLP_WNDPROC, (LONG_PTR)SavedDialogProc);
    } else if (message == WM_PAINT && wParam == 0) {
        HyperlinkObject* focused = LinkOf(GetFocus());
        if (focused != NULL && focused->parent == dialog)
            return PaintWithFocus(focused, dialog, SavedDialogProc);
    } else if (message == WM_COMMAND) {
        // STN_CLICKED and any other command carrying a link's id open it,
        // but for the double-click notification: its first click has
        // already sent STN_CLICKED.
        HyperlinkObject* link = LinkOf(GetDlgItem(dialog, LOWORD(wParam)));
        bool doubleClick = HIWORD(wParam) == STN_DBLCLK && link != NULL && (HWND)lParam == link->control;
        if (link != NULL && !doubleClick)
            OpenHyperlink(link);
    }
    LRESULT result = CallWindowProcA(SavedDialogProc, dialog, message, wParam, lParam);
    if (message == WM_CTLCOLORSTATIC && LinkOf((HWND)lParam) != NULL)
        SetTextColor((HDC)wParam, HYPERLINK_TEXT_COLOUR);  // the brush chosen stays
    return result;
}
