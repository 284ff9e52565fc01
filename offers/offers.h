// The partner offers as the setup sequence calls them. Each offer step
// returns its OfferOutcome: OFFER_GO_ON also when no offer was made.
#pragma once
#include <windows.h>
#include "offers/offer_outcome.h"

// Bits of the result an offer dialog ends with.
#define OFFER_RESULT_CONTINUE 0x01
#define OFFER_RESULT_INSTALL 0x02

OfferOutcome OfferEmailCompanion();
// 1 when its installer started (and has ended).
int RunEmailCompanionInstaller();

OfferOutcome OfferBrowserToolbar();

OfferOutcome OfferRegistryCleaner();
// 1 once the launcher has signalled that the cleaner's installer runs.
int RunRegistryCleanerInstall();
int RegistryCleanerCompatible();
// Whether the registry cleaner is on the machine now: its partner's
// compatibility function, asked again, was called and no longer lets it be
// offered; 0 when it could not be called.
int RegistryCleanerInstalledNow();
