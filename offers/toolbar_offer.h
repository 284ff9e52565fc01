// The toolbar offer: dialog 500 (Internet Explorer) or 503 (Firefox) with
// its bold texts, preselected choice, two legal links and a picture whose
// black pixels are transparent.
#pragma once
#include <windows.h>

// A static control whose painting is replaced by a bitmap. A list of them
// ends with a record whose controlId is 0; a dialog has at most two.
struct OfferPicture {
    int controlId;
    WORD bitmapId;
    HBITMAP picture;  // loaded once, kept for the life of the process
    HBITMAP mask;     // white where the picture is black
    WNDPROC previousProc;
};

// The pictures of the dialog being shown.
extern OfferPicture* OfferPictureList;

// Shows the offer for the browser (TOOLBAR_OFFER_IE or TOOLBAR_OFFER_FIREFOX)
// and returns the dialog's result: OFFER_RESULT_CONTINUE and
// OFFER_RESULT_INSTALL bits, 0 when it was closed, -1 when it could not be
// created.
INT_PTR ShowToolbarOffer(int browser);

// The offer step once the browser is chosen: shows the offer, installs an
// accepted toolbar, and returns the offer choice.
int MakeToolbarOffer(int browser, int* offerShown, int* isFirefox, int* installed);

INT_PTR CALLBACK ToolbarOfferDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK OfferPictureProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
// Loads the list's bitmaps and masks (once) and subclasses their controls.
void ShowOfferPictures(HWND dialog, OfferPicture* pictures);
// A new monochrome bitmap of the same size, white where the bitmap is black.
HBITMAP MakeTransparencyMask(HBITMAP bitmap);
