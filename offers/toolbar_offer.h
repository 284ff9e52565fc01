// The toolbar offer: dialog 500 (Internet Explorer) or 503 (Firefox) with
// its bold texts, preselected choice, two legal links and a picture whose
// black pixels are transparent.
#pragma once
#include <windows.h>
#include "offers/offer_outcome.h"

// Bits of the result an offer dialog ends with.
#define OFFER_RESULT_CONTINUE 0x01
#define OFFER_RESULT_INSTALL 0x02

// The toolbar offer step: decides, shows and installs an accepted toolbar.
OfferOutcome OfferBrowserToolbar();

// Shows the offer for the browser (TOOLBAR_OFFER_IE or TOOLBAR_OFFER_FIREFOX)
// and returns the dialog's result: OFFER_RESULT_CONTINUE and
// OFFER_RESULT_INSTALL bits, 0 when it was closed, -1 when it could not be
// created.
INT_PTR ShowToolbarOffer(int browser);

// The offer step once the browser is chosen: shows the offer and installs
// an accepted toolbar. A dialog that could not be made is no offer.
OfferOutcome MakeToolbarOffer(int browser);
