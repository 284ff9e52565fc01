#include "offers/offer_picture.h"
#include "platform/globals.h"
#include "platform/owned.h"

static LRESULT CALLBACK OfferPictureProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// A new monochrome bitmap of the same size, white where the bitmap is black.
static HBITMAP MakeTransparencyMask(HBITMAP bitmap)
{
    BITMAP size;
    if (bitmap == NULL || GetObjectA(bitmap, sizeof size, &size) == 0)
        return NULL;
    HBITMAP mask = CreateBitmap(size.bmWidth, size.bmHeight, 1, 1, NULL);
    if (mask == NULL)
        return NULL;
    OwnedMemoryDc pictureDc(CreateCompatibleDC(NULL));
    OwnedMemoryDc maskDc(CreateCompatibleDC(NULL));
    Selected picture(pictureDc, bitmap);
    Selected drawn(maskDc, mask);
    // Colour to monochrome: pixels of the background colour become white.
    SetBkColor(pictureDc, RGB(0, 0, 0));
    BitBlt(maskDc, 0, 0, size.bmWidth, size.bmHeight, pictureDc, 0, 0, SRCCOPY);
    return mask;
}

void ShowOfferPictures(HWND dialog, OfferPicture* pictures)
{
    for (OfferPicture* record = pictures; record->controlId != 0; ++record) {
        HWND control = GetDlgItem(dialog, record->controlId);
        if (control == NULL)
            continue;
        record->picture = LoadBitmapA(SetupInstance, MAKEINTRESOURCEA(record->bitmapId));
        record->mask = MakeTransparencyMask(record->picture);
        SetPropA(control, OFFER_PICTURE_PROPERTY, (HANDLE)record);
        record->previousProc = (WNDPROC)SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)OfferPictureProc);
    }
}

// The mask clears the picture's place to black but keeps the background
// where the picture is black; the picture is then added on top.
static void PaintPicture(HWND control, const OfferPicture* record)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(control, &paint);
    {
        OwnedMemoryDc memory(CreateCompatibleDC(dc));
        Selected layer(memory, record->mask);
        BITMAP size;
        GetObjectA(record->picture, sizeof size, &size);
        BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCAND);
        SelectObject(memory, record->picture);
        BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCPAINT);
    }
    EndPaint(control, &paint);
}

static LRESULT CALLBACK OfferPictureProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    OfferPicture* record = (OfferPicture*)GetPropA(control, OFFER_PICTURE_PROPERTY);
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
        RemovePropA(control, OFFER_PICTURE_PROPERTY);
        DeleteObject(record->picture);  // neither is selected anywhere
        DeleteObject(record->mask);
        break;
    }
    return CallWindowProcA(previous, control, message, wParam, lParam);
}
