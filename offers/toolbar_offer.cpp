#include "offers/toolbar_offer.h"
#include "offers/offers.h"
#include "offers/offer_dialog.h"
#include "offers/eligibility.h"
#include "offers/partner_launch.h"
#include "ui/hyperlink.h"
#include "text/globals.h"
#include "text/text.h"
#include "resources/resource.h"

static const int ToolbarBoldList[] = {IDC_TOOLBAR_HEADING, IDC_TOOLBAR_INSTALL, 0};
static const int ToolbarSelectionList[] = {IDC_TOOLBAR_INSTALL, 0};
static const int ToolbarLinkList[] = {IDC_TOOLBAR_TERMS, IDC_TOOLBAR_PRIVACY, 0};
static OfferPicture InternetExplorerPictures[] = {{IDC_TOOLBAR_PICTURE, IDB_TOOLBAR_IE, NULL, NULL, NULL},
                                                  {0, 0, NULL, NULL, NULL}};
static OfferPicture FirefoxPictures[] = {{IDC_TOOLBAR_PICTURE, IDB_TOOLBAR_FIREFOX, NULL, NULL, NULL},
                                         {0, 0, NULL, NULL, NULL}};

// The layout of the dialog being shown, set just before it opens.
static const int* OfferBoldList;
static const int* OfferSelectionList;
static const int* OfferLinkList;
static OfferFonts ToolbarOfferFonts;

INT_PTR CALLBACK ToolbarOfferDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;  // no message handled here carries anything in it
    switch (message) {
    case WM_INITDIALOG:
        MakeListBold(dialog, OfferBoldList, &ToolbarOfferFonts);
        SelectListedButtons(dialog, OfferSelectionList);
        ShowOfferPictures(dialog, OfferPictureList);
        for (const int* id = OfferLinkList; *id != 0; ++id)
            MakeHyperlink(dialog, *id);
        CenterWindowOnScreen(dialog);
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;  // the focus stays where it was put
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            bool install = IsDlgButtonChecked(dialog, IDC_TOOLBAR_INSTALL) == BST_CHECKED;
            EndDialog(dialog, install ? OFFER_RESULT_CONTINUE | OFFER_RESULT_INSTALL : OFFER_RESULT_CONTINUE);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        RestoreOfferFont(dialog, OfferBoldList, &ToolbarOfferFonts);
        return FALSE;
    }
    return FALSE;
}

INT_PTR ShowToolbarOffer(int browser)
{
    OfferBoldList = ToolbarBoldList;
    OfferSelectionList = ToolbarSelectionList;
    OfferLinkList = ToolbarLinkList;
    bool firefox = browser == TOOLBAR_OFFER_FIREFOX;
    OfferPictureList = firefox ? FirefoxPictures : InternetExplorerPictures;
    int dialogId = firefox ? IDD_TOOLBAR_FIREFOX : IDD_TOOLBAR_IE;
    return DialogBoxParamA(SetupInstance, MAKEINTRESOURCEA(dialogId), NULL, ToolbarOfferDlgProc, 0);
}

int MakeToolbarOffer(int browser, int* offerShown, int* isFirefox, int* installed)
{
    int shownBefore = *offerShown;
    int firefoxBefore = *isFirefox;
    *offerShown = 1;
    *isFirefox = browser == TOOLBAR_OFFER_FIREFOX;
    INT_PTR result = ShowToolbarOffer(browser);
    if (result == -1) {
        // No dialog could be made, so no offer was seen and none accepted.
        *offerShown = shownBefore;
        *isFirefox = firefoxBefore;
        return OFFER_GO_ON;
    }
    if ((result & OFFER_RESULT_CONTINUE) == 0)
        return OFFER_CANCEL;
    if ((result & OFFER_RESULT_INSTALL) != 0)
        return InstallToolbar(browser, installed);
    return OFFER_GO_ON;
}

int OfferBrowserToolbar(int* offerShown, int* isFirefox, int* installed)
{
    int browser = DecideToolbarOffer();
    if (browser == NO_TOOLBAR_OFFER)
        return OFFER_GO_ON;
    return MakeToolbarOffer(browser, offerShown, isFirefox, installed);
}
