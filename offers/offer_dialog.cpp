#include "offers/offer_dialog.h"

void MakeListBold(HWND dialog, const int* boldList, OfferFonts* fonts)
{
    for (const int* id = boldList; *id != 0; ++id) {
        HWND control = GetDlgItem(dialog, *id);
        if (fonts->normal == NULL) {
            fonts->normal = (HFONT)SendMessageA(control, WM_GETFONT, 0, 0);
            LOGFONTA font;
            if (fonts->normal != NULL && GetObjectA(fonts->normal, sizeof font, &font) != 0) {
                font.lfWeight = FW_BOLD;
                fonts->bold = CreateFontIndirectA(&font);
            }
        }
        if (fonts->bold != NULL)
            SendMessageA(control, WM_SETFONT, (WPARAM)fonts->bold, FALSE);
    }
}

void RestoreOfferFont(HWND dialog, const int* boldList, OfferFonts* fonts)
{
    if (fonts->bold != NULL) {
        for (const int* id = boldList; *id != 0; ++id)
            SendMessageA(GetDlgItem(dialog, *id), WM_SETFONT, (WPARAM)fonts->normal, FALSE);
        DeleteObject(fonts->bold);
    }
    fonts->bold = NULL;
    fonts->normal = NULL;
}

void SelectListedButtons(HWND dialog, const int* selectionList)
{
    for (const int* id = selectionList; *id != 0; ++id)
        CheckDlgButton(dialog, *id, BST_CHECKED);
}
