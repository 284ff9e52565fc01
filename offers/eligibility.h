// Whether the toolbar may be offered, and for which browser: Internet
// Explorer first, Firefox second. Nothing here shows a window; every
// outcome is a return value.
#pragma once
#include <windows.h>

enum ToolbarOfferDecision {
    NO_TOOLBAR_OFFER = 0,
    TOOLBAR_OFFER_IE = 1,
    TOOLBAR_OFFER_FIREFOX = 2,
};

int DecideToolbarOffer();

// Reasons why the Internet Explorer toolbar may not be offered.
#define IETB_TOOLBAR_INSTALLED 0x01
#define IETB_NO_MACHINE_WRITE 0x02
#define IETB_NOT_DEFAULT_BROWSER 0x04
#define IETB_EXTENSIONS_DISABLED 0x08
#define IETB_IE_BELOW_6 0x10
#define IETB_OLD_WINDOWS 0x20
#define IETB_OFFER_ON_HOLD 0x40  // only ever set alone

// The Internet Explorer check: 1 when no reason was found, else 0; the
// reasons go through the pointer unless it is null. A null root means
// HKEY_CURRENT_USER. May take an offer hold when it returns 1.
int IETBCompatibilityCheck(HKEY userRoot, DWORD* reasons);
// 1 when Firefox 2.0 or later is found without the toolbar, on a supported
// Windows, for an administrator; the Firefox flags go through the pointer.
int FirefoxToolbarEligible(DWORD* flags);

int IsIEDefaultBrowser(HKEY userRoot);
int IsWindows6OrLater();
// The machine-wide test write under the toolbar's key; the registry is
// left as it was found.
int CanWriteToolbarKey();
