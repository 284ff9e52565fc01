// The partner offers as the setup sequence calls them. Each offer returns
// an offer choice: OFFER_GO_ON (also when no offer was made), OFFER_CANCEL
// when the user closed the offer dialog and setup ends, or, for the toolbar
// only, OFFER_DESKTOP_SEARCH_BLOCKED.
#pragma once
#include <windows.h>

#define OFFER_GO_ON 1
#define OFFER_CANCEL 2
#define OFFER_DESKTOP_SEARCH_BLOCKED 7

// Bits of the result an offer dialog ends with.
#define OFFER_RESULT_CONTINUE 0x01
#define OFFER_RESULT_INSTALL 0x02

int OfferEmailCompanion(int* companionAccepted);
void RunEmailCompanionInstaller();
// 1 when the companion's marker file lies in the folder its registry
// entries name.
int EmailCompanionInstalled();
// Drops leading and trailing blanks and then one pair of enclosing quotes.
void TrimRegistryString(char* text);

// What the toolbar offer step did: its offer choice, whether a dialog was
// shown and for Firefox or for Internet Explorer, and whether the partner
// launcher reported the toolbar installed.
struct ToolbarOfferOutcome {
    int choice;
    int shown;
    int isFirefox;
    int installed;
};
ToolbarOfferOutcome OfferBrowserToolbar();

int OfferRegistryCleaner(int* cleanerAccepted, int* cleanerOffered);
int RunRegistryCleanerInstall();
int RegistryCleanerCompatible();
