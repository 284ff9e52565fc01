// Pieces shared by the offer dialogs: the bold copy of the dialog font for
// the controls of a bold list, and the radio buttons selected at start.
// Lists of control ids end with 0.
#pragma once
#include <windows.h>

struct OfferFonts {
    HFONT normal;  // the controls' own font, not owned
    HFONT bold;    // made from it, owned until RestoreOfferFont
};

// Gives every control of the list a bold copy (weight 700) of the first
// font one of them has. Nothing changes when none has a font.
void MakeListBold(HWND dialog, const int* boldList, OfferFonts* fonts);
// Gives the controls their normal font back, deletes the bold one and
// forgets both.
void RestoreOfferFont(HWND dialog, const int* boldList, OfferFonts* fonts);
void SelectListedButtons(HWND dialog, const int* selectionList);
