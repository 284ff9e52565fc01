// The pictures of the toolbar offer.
#pragma once
#include <windows.h>

// A static control whose painting is replaced by a bitmap whose black
// pixels are transparent. A list of them ends with a record whose controlId
// is 0. While the dialog is shown, the record hangs on its control as a
// window property; the bitmaps are loaded when the dialog opens and deleted
// when the control is destroyed.
struct OfferPicture {
    int controlId;
    WORD bitmapId;
    HBITMAP picture;
    HBITMAP mask;  // white where the picture is black
    WNDPROC previousProc;
};

#define OFFER_PICTURE_PROPERTY "_OFFER_PICTURE_"

// Loads each picture's bitmap and mask and subclasses its control.
void ShowOfferPictures(HWND dialog, OfferPicture* pictures);
