// The partner offers as the setup sequence calls them. Each offer step
// returns its OfferOutcome: OFFER_GO_ON also when no offer was made.
#pragma once
#include <windows.h>
#include "offers/offer_outcome.h"

// The three offer steps, each declared with what belongs to it.
#include "offers/email_companion.h"
#include "offers/toolbar_offer.h"
#include "offers/registry_cleaner.h"
