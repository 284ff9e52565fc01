// The e-mail companion offer (dialog 800), its installer, and what its
// registry entries say about it.
#pragma once
#include <windows.h>
#include "offers/offer_outcome.h"

OfferOutcome OfferEmailCompanion();
// 1 when its installer started (and has ended).
int RunEmailCompanionInstaller();

// 1 when the companion's marker file lies in the folder its registry
// entries name.
int EmailCompanionInstalled();
// Drops leading and trailing blanks and then one pair of enclosing quotes.
void TrimRegistryString(char* text);
