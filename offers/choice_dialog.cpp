#include "offers/choice_dialog.h"
#include "offers/offers.h"
#include "text/globals.h"
#include "text/text.h"

INT_PTR HandleChoiceDialog(ChoiceDialog* state, HWND dialog, UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_INITDIALOG:
        MakeListBold(dialog, state->boldList, &state->fonts);
        SelectListedButtons(dialog, state->selectionList);
        CenterWindowOnScreen(dialog);
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;  // the focus stays on Continue
    case WM_COMMAND:
        if (wParam == IDOK) {
            bool install = IsDlgButtonChecked(dialog, state->installButton) == BST_CHECKED;
            EndDialog(dialog, install ? OFFER_RESULT_CONTINUE | OFFER_RESULT_INSTALL : OFFER_RESULT_CONTINUE);
            return TRUE;
        }
        if (wParam == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        RestoreOfferFont(dialog, state->boldList, &state->fonts);
        return FALSE;
    }
    return FALSE;
}

INT_PTR ShowChoiceDialog(int templateId, DLGPROC procedure)
{
    return DialogBoxParamA(SetupInstance, MAKEINTRESOURCEA(templateId), NULL, procedure, 0);
}

int OfferChoiceOf(INT_PTR result, int* accepted)
{
    if ((result & OFFER_RESULT_CONTINUE) == 0)
        return OFFER_CANCEL;
    if ((result & OFFER_RESULT_INSTALL) != 0)
        *accepted = 1;
    return OFFER_GO_ON;
}
