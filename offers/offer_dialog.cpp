#include "offers/offer_dialog.h"
#include "offers/offers.h"
#include "ui/hyperlink.h"
#include "platform/globals.h"
#include "text/window.h"
#include "text/paths.h"

// The record of the dialog being shown, from just before it opens until it
// has closed, for the dialog that is shown with 0 as its parameter.
static OfferDialog* OfferWithoutParameter;

static INT_PTR CALLBACK OfferDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

INT_PTR ShowOfferDialog(int templateId, OfferDialog* offer, bool asParameter)
{
    OfferWithoutParameter = offer;
    INT_PTR result = DialogBoxParamA(SetupInstance, MAKEINTRESOURCEA(templateId), NULL, OfferDlgProc,
                                     asParameter ? (LPARAM)offer : 0);
    OfferWithoutParameter = NULL;
    return result;
}

// Gives every control of the list a bold copy (weight 700) of the first
// font one of them has. Nothing changes when none has a font.
static void MakeListBold(HWND dialog, const int* boldList, OfferFonts* fonts)
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

// Gives the controls their normal font back, deletes the bold one and
// forgets both.
static void RestoreOfferFont(HWND dialog, const int* boldList, OfferFonts* fonts)
{
    if (fonts->bold != NULL) {
        for (const int* id = boldList; *id != 0; ++id)
            SendMessageA(GetDlgItem(dialog, *id), WM_SETFONT, (WPARAM)fonts->normal, FALSE);
        DeleteObject(fonts->bold);
    }
    fonts->bold = NULL;
    fonts->normal = NULL;
}

static void SelectListedButtons(HWND dialog, const int* selectionList)
{
    for (const int* id = selectionList; *id != 0; ++id)
        CheckDlgButton(dialog, *id, BST_CHECKED);
}

static void InitialiseOffer(HWND dialog, OfferDialog* offer)
{
    SetWindowLongPtrA(dialog, DWLP_USER, (LONG_PTR)offer);
    MakeListBold(dialog, offer->boldList, &offer->fonts);
    SelectListedButtons(dialog, offer->selectionList);
    if (offer->pictures != NULL)
        ShowOfferPictures(dialog, offer->pictures);
    for (const int* id = offer->linkList; *id != 0; ++id)
        MakeHyperlink(dialog, *id);
    CenterWindowOnScreen(dialog);
    SetFocus(GetDlgItem(dialog, IDOK));
}

static INT_PTR CALLBACK OfferDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        InitialiseOffer(dialog, lParam != 0 ? (OfferDialog*)lParam : OfferWithoutParameter);
        return FALSE;  // the focus stays on Continue
    }
    OfferDialog* offer = (OfferDialog*)GetWindowLongPtrA(dialog, DWLP_USER);
    if (offer == NULL)
        return FALSE;  // not initialised yet
    switch (message) {
    case WM_COMMAND:
        if (wParam == IDOK) {
            bool install = IsDlgButtonChecked(dialog, offer->installButton) == BST_CHECKED;
            EndDialog(dialog, install ? OFFER_RESULT_CONTINUE | OFFER_RESULT_INSTALL : OFFER_RESULT_CONTINUE);
            return TRUE;
        }
        if (wParam == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        RestoreOfferFont(dialog, offer->boldList, &offer->fonts);
        return FALSE;
    }
    return FALSE;
}

OfferOutcome NoOffer(const char* because)
{
    OfferOutcome outcome = {OFFER_GO_ON, 0, 0, 0, 0, because};
    return outcome;
}

OfferOutcome OfferPartnerInstaller(const char* installer, int templateId, const OfferDialog* record)
{
    if (!FoundInSourceFolder(installer))
        return NoOffer("its installer is not beside setup");
    OfferDialog offer = *record;
    return OfferOutcomeOf(ShowOfferDialog(templateId, &offer, true));
}

OfferOutcome OfferOutcomeOf(INT_PTR result)
{
    if (result == -1)
        return NoOffer("its dialog could not be made");  // the user never saw it
    OfferOutcome outcome = NoOffer(NULL);
    outcome.shown = 1;
    outcome.choice = OfferChoiceOf(result, &outcome.accepted);
    return outcome;
}

OfferChoice OfferChoiceOf(INT_PTR result, int* accepted)
{
    if ((result & OFFER_RESULT_CONTINUE) == 0)
        return OFFER_CANCEL;
    if ((result & OFFER_RESULT_INSTALL) != 0)
        *accepted = 1;
    return OFFER_GO_ON;
}
