// The questions the exported check asks: the Windows version, the user's
// rights and the installed Firefox.
#pragma once
#include <windows.h>

// The registry texts the check reads, with their NUL.
#define FFTB_REGISTRY_TEXT_BYTES 256

// The check itself, once the module lies where its addresses say and its
// imports are bound.
BOOL CheckFirefoxToolbarCompatibility(DWORD* flags);

// Windows XP or later, or Windows 2000 with Service Pack 3 or later.
int IsSupportedWindowsVersion();
// 1 when a Firefox "CurrentVersion" was read (the machine's first, then the
// user's); its leading number goes to *version, 0 when none was read.
int GetFirefoxVersion(double* version);
