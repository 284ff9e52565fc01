// The toolbar partner's offer holds, shared by every program that offers
// its toolbar.
#pragma once
#include <windows.h>

// Offer holds: REG_DWORD values named after a program's company, holding
// the day (yyyymmdd, local calendar) on which the hold ends.
#define OFFER_HOLD_KEY "SOFTWARE\\Google\\No Toolbar Offer Until"
void PurgeExpiredOfferHolds();
// 1 when this program may make the offer (and now holds it for six
// months), 0 when its own hold is in force.
int ClaimToolbarOffer();
