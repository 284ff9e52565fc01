// The registry cleaner offer (dialog 900) and its partner's launcher.
#pragma once
#include <windows.h>
#include "offers/offer_outcome.h"

OfferOutcome OfferRegistryCleaner();
// 1 once the launcher has signalled that the cleaner's installer runs.
int RunRegistryCleanerInstall();
int RegistryCleanerCompatible();
// Whether the registry cleaner is on the machine now: its partner's
// compatibility function, asked again, was called and no longer lets it be
// offered; 0 when it could not be called.
int RegistryCleanerInstalledNow();
