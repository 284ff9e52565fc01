#include "offers/toolbar_offer.h"
#include "text/globals.h"

OfferPicture* OfferPictureList;

HBITMAP MakeTransparencyMask(HBITMAP bitmap)
{
    BITMAP size;
    if (bitmap == NULL || GetObjectA(bitmap, sizeof size, &size) == 0)
        return NULL;
    HBITMAP mask = CreateBitmap(size.bmWidth, size.bmHeight, 1, 1, NULL);
    if (mask == NULL)
        return NULL;
    HDC pictureDc = CreateCompatibleDC(NULL);
    HDC maskDc = CreateCompatibleDC(NULL);
    HGDIOBJ keptPicture = SelectObject(pictureDc, bitmap);
    HGDIOBJ keptMask = SelectObject(maskDc, mask);
    // Colour to monochrome: pixels of the background colour become white.
    SetBkColor(pictureDc, RGB(0, 0, 0));
    BitBlt(maskDc, 0, 0, size.bmWidth, size.bmHeight, pictureDc, 0, 0, SRCCOPY);
    SelectObject(pictureDc, keptPicture);
    SelectObject(maskDc, keptMask);
    DeleteDC(pictureDc);
    DeleteDC(maskDc);
    return mask;
}

void ShowOfferPictures(HWND dialog, OfferPicture* pictures)
{
    for (OfferPicture* record = pictures; record->controlId != 0; ++record) {
        if (record->picture == NULL) {
            record->picture = LoadBitmapA(SetupInstance, MAKEINTRESOURCEA(record->bitmapId));
            record->mask = MakeTransparencyMask(record->picture);
        }
        HWND control = GetDlgItem(dialog, record->controlId);
        if (control != NULL)
            record->previousProc =
                (WNDPROC)SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)OfferPictureProc);
    }
}

static OfferPicture* FindPicture(HWND control)
{
    int id = GetWindowLongA(control, GWL_ID);
    if (OfferPictureList == NULL)
        return NULL;
    for (int i = 0; i < 2 && OfferPictureList[i].controlId != 0; ++i)
        if (OfferPictureList[i].controlId == id)
            return &OfferPictureList[i];
    return NULL;
}

// The mask clears the picture's place to black but keeps the background
// where the picture is black; the picture is then added on top.
static void PaintPicture(HWND control, const OfferPicture* record)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(control, &paint);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ kept = SelectObject(memory, record->mask);
    BITMAP size;
    GetObjectA(record->picture, sizeof size, &size);
    BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCAND);
    SelectObject(memory, record->picture);
    BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCPAINT);
    SelectObject(memory, kept);
    DeleteDC(memory);
    EndPaint(control, &paint);
}

LRESULT CALLBACK OfferPictureProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    OfferPicture* record = FindPicture(control);
    if (record == NULL || record->previousProc == NULL)
        return DefWindowProcA(control, message, wParam, lParam);
    WNDPROC previous = record->previousProc;
    switch (message) {
    case WM_PAINT:
        // Without a picture the control keeps its own painting.
        if (record->picture == NULL || record->mask == NULL)
            break;
        PaintPicture(control, record);
        return 0;
    case WM_DESTROY:
        SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)previous);
        break;
    }
    return CallWindowProcA(previous, control, message, wParam, lParam);
}
