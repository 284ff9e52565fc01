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
