// What a partner offer step did: the one shape every offer returns. The
// offers fill it, the sequence keeps it in the run record, and the
// completion report reads it there.
#pragma once

// Offer choices: go on (also when no offer was made), the user closed the
// offer dialog and setup ends, or (toolbar only) the partner launcher said
// that the desktop search had been uninstalled without a restart.
enum OfferChoice {
    OFFER_GO_ON = 1,
    OFFER_CANCEL = 2,
    OFFER_DESKTOP_SEARCH_BLOCKED = 7,
};

struct OfferOutcome {
    OfferChoice choice;
    int shown;      // its dialog was shown to the user
    int accepted;   // the user chose to install the partner's product
    int isFirefox;  // toolbar: the variant for Firefox was shown
    int installed;  // toolbar: the launcher reported it installed
    const char* notMadeBecause;  // why no dialog was shown; NULL when one was
};
