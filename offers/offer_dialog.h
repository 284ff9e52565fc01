// The offer dialogs (500 and 503 for the toolbar, 800 for the e-mail
// companion, 900 for the registry cleaner) share one dialog procedure over
// one record per shown dialog: the controls shown bold, the radio buttons
// selected at start, the links, the pictures and the radio button that
// means "install". The caller keeps the record for as long as the dialog is
// shown; the dialog keeps a pointer to it (DWLP_USER). Each dialog ends
// with OFFER_RESULT_CONTINUE, with OFFER_RESULT_CONTINUE |
// OFFER_RESULT_INSTALL when the install button is selected, or with 0 when
// Esc or the close box cancels it. Lists of control ids end with 0.
#pragma once
#include <windows.h>
#include "offers/offer_outcome.h"
#include "offers/offer_picture.h"

struct OfferFonts {
    HFONT normal;  // the controls' own font, not owned
    HFONT bold;    // made from it, owned from WM_INITDIALOG to WM_DESTROY
};

// Two controls at most, and the 0 that ends the list.
#define OFFER_LIST_IDS 3

struct OfferDialog {
    int boldList[OFFER_LIST_IDS];
    int selectionList[OFFER_LIST_IDS];
    int linkList[OFFER_LIST_IDS];
    OfferPicture* pictures;  // NULL when the dialog has no pictures
    int installButton;
    OfferFonts fonts;
};

// Shows the dialog modally, without owner. The record is the dialog's
// parameter, or, where the dialog's parameter is 0 (the toolbar offer), the
// procedure finds it where this call leaves it. Returns the dialog's result,
// or -1 when it could not be made.
INT_PTR ShowOfferDialog(int templateId, OfferDialog* offer, bool asParameter);

// No offer made, and why, as an offer step returns it.
OfferOutcome NoOffer(const char* because);
// The offer of a partner whose installer lies in SourceFolder: no offer
// without it; else the dialog, shown on a copy of the record.
OfferOutcome OfferPartnerInstaller(const char* installer, int templateId, const OfferDialog* record);
// What an offer dialog's result says: -1, a dialog that could not be made,
// is no offer.
OfferOutcome OfferOutcomeOf(INT_PTR result);

// The offer choice a shown dialog's result gives (OFFER_CANCEL or
// OFFER_GO_ON); *accepted becomes 1 when the user chose to install.
OfferChoice OfferChoiceOf(INT_PTR result, int* accepted);


