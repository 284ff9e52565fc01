// The toolbar offer: dialog 500 (Internet Explorer) or 503 (Firefox) with
// its bold texts, preselected choice, two legal links and a picture whose
// black pixels are transparent.
#pragma once
#include <windows.h>
#include "offers/offers.h"

// Shows the offer for the browser (TOOLBAR_OFFER_IE or TOOLBAR_OFFER_FIREFOX)
// and returns the dialog's result: OFFER_RESULT_CONTINUE and
// OFFER_RESULT_INSTALL bits, 0 when it was closed, -1 when it could not be
// created.
INT_PTR ShowToolbarOffer(int browser);

// The offer step once the browser is chosen: shows the offer and installs
// an accepted toolbar. A dialog that could not be made is no offer.
OfferOutcome MakeToolbarOffer(int browser);
