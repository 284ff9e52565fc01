#include "offers/toolbar_offer.h"
#include "offers/offers.h"
#include "offers/offer_dialog.h"
#include "offers/eligibility.h"
#include "offers/toolbar_install.h"
#include "resources/resource.h"

// Dialogs 500 and 503: the heading and the install button bold, the install
// button selected, two links, and the picture of the browser's toolbar.
static const OfferDialog ToolbarOffer = {{IDC_TOOLBAR_HEADING, IDC_TOOLBAR_INSTALL, 0},
                                         {IDC_TOOLBAR_INSTALL, 0},
                                         {IDC_TOOLBAR_TERMS, IDC_TOOLBAR_PRIVACY, 0},
                                         NULL,
                                         IDC_TOOLBAR_INSTALL,
                                         {NULL, NULL}};

INT_PTR ShowToolbarOffer(int browser)
{
    bool firefox = browser == TOOLBAR_OFFER_FIREFOX;
    OfferPicture pictures[2] = {{IDC_TOOLBAR_PICTURE, (WORD)(firefox ? IDB_TOOLBAR_FIREFOX : IDB_TOOLBAR_IE), NULL, NULL,
                                 NULL}};
    OfferDialog offer = ToolbarOffer;
    offer.pictures = pictures;
    // Dialogs 500 and 503 take 0 as their parameter; the record goes beside it.
    return ShowOfferDialog(firefox ? IDD_TOOLBAR_FIREFOX : IDD_TOOLBAR_IE, &offer, false);
}

OfferOutcome MakeToolbarOffer(int browser)
{
    OfferOutcome outcome = OfferOutcomeOf(ShowToolbarOffer(browser));
    if (!outcome.shown)
        return outcome;  // none was seen, so none was accepted
    outcome.isFirefox = browser == TOOLBAR_OFFER_FIREFOX;
    if (outcome.choice == OFFER_GO_ON && outcome.accepted)
        outcome.choice = InstallToolbar(browser, &outcome.installed);
    return outcome;
}

OfferOutcome OfferBrowserToolbar()
{
    int browser = DecideToolbarOffer();
    if (browser == NO_TOOLBAR_OFFER)
        return NoOffer("no browser qualifies, or its installer is not beside setup");
    return MakeToolbarOffer(browser);
}
