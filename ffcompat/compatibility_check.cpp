#include "ffcompat/compatibility_check.h"
#include "ffcompat/ffcompat.h"
#include "ffcompat/toolbar_scan.h"
#include "platform/registry_text.h"
#include "platform/system_facts.h"
#include "platform/owned.h"

int IsSupportedWindowsVersion()
{
    // The platform is not looked at: Windows 98 and Me are 4.x.
    const WindowsFacts* windows = KnownWindows();
    if (!windows->known || windows->major < 5)
        return 0;
    if (windows->major > 5 || windows->minor >= 1)
        return 1;
    return windows->servicePackMajor >= 3;
}

// The leading decimal number of a text, the point as its separator
// whatever locale the calling process has set: 3.5.7 (en-US) gives 3.5.
static double LeadingNumber(const char* text)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    double value = 0;
    while (*text >= '0' && *text <= '9')
        value = value * 10 + (*text++ - '0');
    if (*text == '.') {
        ++text;
        double scale = 1;
        double fraction = 0;
        // Past 15 digits a double holds no more, and the sum stays exact.
        for (int digits = 0; *text >= '0' && *text <= '9'; ++text, ++digits) {
            if (digits < 15) {
                fraction = fraction * 10 + (*text - '0');
                scale *= 10;
            }
        }
        value += fraction / scale;
    }
    return negative ? -value : value;
}

static int ReadFirefoxVersionUnder(HKEY root, double* version)
{
    OwnedKey key;
    if (RegOpenKeyExA(root, "Software\\Mozilla\\Mozilla Firefox", 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return 0;
    char text[FFTB_REGISTRY_TEXT_BYTES];
    int read = ReadAnyValueAsText(key, "CurrentVersion", text, sizeof text);
    if (read && version != NULL)
        *version = LeadingNumber(text);
    return read;
}

int GetFirefoxVersion(double* version)
{
    if (version != NULL)
        *version = 0;
    if (ReadFirefoxVersionUnder(HKEY_LOCAL_MACHINE, version))
        return 1;
    return ReadFirefoxVersionUnder(HKEY_CURRENT_USER, version);
}

BOOL CheckFirefoxToolbarCompatibility(DWORD* flags)
{
    BOOL result = TRUE;
    DWORD found = 0;
    if (!IsSupportedWindowsVersion()) {
        found = FFTB_OLD_WINDOWS;
        result = FALSE;
    } else if (!QueryUserIsAdmin()) {
        found = FFTB_NOT_ADMIN;
        result = FALSE;
    }

    double version = 0;
    if (GetFirefoxVersion(&version)) {
        found |= FFTB_FIREFOX_FOUND;
        if (version < 1.5)
            found |= FFTB_FIREFOX_BELOW_1_5;
        if (version < 2.0)
            found |= FFTB_FIREFOX_BELOW_2_0;
        if (IsFirefoxToolbarInstalled())
            found |= FFTB_TOOLBAR_INSTALLED;
        result = FALSE;
    }
    if (flags != NULL)
        *flags = found;
    return result;
}
