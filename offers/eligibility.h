// Whether the toolbar may be offered, and for which browser.
#pragma once
#include <windows.h>

enum ToolbarOfferDecision {
    NO_TOOLBAR_OFFER = 0,
    TOOLBAR_OFFER_IE = 1,
    TOOLBAR_OFFER_FIREFOX = 2,
};

int DecideToolbarOffer();
