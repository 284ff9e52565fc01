// The Firefox toolbar check that setup exports to other modules: the
// Windows version, the user's rights, the installed Firefox and whether the
// toolbar for Firefox is already there. It keeps no state between calls
// (beyond the import table it binds at its first) and reads none of setup's
// globals, since another module may call it from a copy of the program that
// never ran its start-up code.
#pragma once
#include <windows.h>

#define FFTB_FIREFOX_FOUND 0x01
#define FFTB_TOOLBAR_INSTALLED 0x02
#define FFTB_NOT_ADMIN 0x04
#define FFTB_OLD_WINDOWS 0x08
#define FFTB_FIREFOX_BELOW_1_5 0x10
#define FFTB_FIREFOX_BELOW_2_0 0x20

// 1 only on a supported Windows, for an administrator, with no Firefox;
// the flags above are stored through the pointer unless it is null.
extern "C" BOOL WINAPI FFTBCompatibilityCheck(DWORD* flags);
// The check itself, once the module lies where its addresses say and its
// imports are bound.
BOOL CheckFirefoxToolbarCompatibility(DWORD* flags);

// Windows XP or later, or Windows 2000 with Service Pack 3 or later.
int IsSupportedWindowsVersion();
// 1 when a Firefox "CurrentVersion" was read (the machine's first, then the
// user's); its leading number goes to *version, 0 when none was read.
int GetFirefoxVersion(double* version);
// 1 when the toolbar's registry id is set or the default profile's
// extensions.cache names the toolbar's extension id.
int IsFirefoxToolbarInstalled();

// The registry texts the check reads, with their NUL.
#define FFTB_REGISTRY_TEXT_BYTES 256

// The extension id as it stands in extensions.cache.
#define FFTB_EXTENSION_ID "{3112ca9c-de6d-4884-a869-9855de68056c}"
// Limits of the cache file that is read at all.
#define FFTB_CACHE_MAX_BYTES 262143u
