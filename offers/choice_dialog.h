// The yes/no offer dialogs (the e-mail companion and the registry cleaner):
// a bold list, a radio button selected at start that means "install", and
// a Continue button; Esc or the close box cancels. Each dialog keeps its
// own state, so its bold font belongs to it alone.
#pragma once
#include <windows.h>
#include "offers/offer_dialog.h"

struct ChoiceDialog {
    const int* boldList;
    const int* selectionList;
    int installButton;
    OfferFonts fonts;
};

// The body of the dialog procedures: 0 cancelled, OFFER_RESULT_CONTINUE,
// or OFFER_RESULT_CONTINUE | OFFER_RESULT_INSTALL when the install button
// is selected.
INT_PTR HandleChoiceDialog(ChoiceDialog* state, HWND dialog, UINT message, WPARAM wParam);

// Shows the dialog modally without owner. Returns its result, or -1 when
// it could not be created.
INT_PTR ShowChoiceDialog(int templateId, DLGPROC procedure);

// The offer choice a shown dialog's result gives (OFFER_CANCEL or
// OFFER_GO_ON); *accepted becomes 1 when the user chose to install.
int OfferChoiceOf(INT_PTR result, int* accepted);
