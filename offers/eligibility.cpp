#include "offers/eligibility.h"
#include "offers/offer_holds.h"
#include "offers/toolbar_install.h"
#include "ffcompat/ffcompat.h"
#include "platform/globals.h"
#include "platform/system_facts.h"
#include "text/paths.h"
#include "platform/registry_text.h"
#include "text/text_scan.h"
#include "platform/owned.h"

static const char* ToolbarServerKey = "CLSID\\{2318C2B1-4965-11d4-9B18-009027A5CD4F}\\InprocServer32";
static const char* UserChoiceKey = "Software\\Microsoft\\Windows\\Shell\\Associations\\URLAssociations\\http\\UserChoice";
static const char* ToolbarParentKey = "SOFTWARE\\Google";
static const char* ToolbarKey = "SOFTWARE\\Google\\Google Toolbar";

#define FIREFOX_REFUSING_FLAGS \
    (FFTB_TOOLBAR_INSTALLED | FFTB_NOT_ADMIN | FFTB_OLD_WINDOWS | FFTB_FIREFOX_BELOW_1_5 | FFTB_FIREFOX_BELOW_2_0)

int DecideToolbarOffer()
{
    // The launcher started after the offer has the longer name: a path that
    // cannot name it makes the offer as useless as a missing installer.
    char launcher[SOURCE_FILE_PATH_CHARS];
    if (!FoundInSourceFolder("gtb6ie.exe") || !SourceFilePath(SourceFolder, PARTNER_LAUNCHER, launcher, sizeof launcher))
        return NO_TOOLBAR_OFFER;

    const WindowsFacts* windows = KnownWindows();
    if (!windows->known || windows->platform == VER_PLATFORM_WIN32s || windows->platform == VER_PLATFORM_WIN32_WINDOWS)
        return NO_TOOLBAR_OFFER;

    DWORD reasons = 0;
    if (IETBCompatibilityCheck(NULL, &reasons))
        return TOOLBAR_OFFER_IE;
    // From Vista on the toolbar installer runs elevated, so a failed
    // machine-wide write alone does not stand in the way.
    if (IsVistaOrLater && reasons == IETB_NO_MACHINE_WRITE)
        return TOOLBAR_OFFER_IE;

    DWORD flags = 0;
    if (FirefoxToolbarEligible(&flags))
        return TOOLBAR_OFFER_FIREFOX;
    if (IsVistaOrLater && flags == (FFTB_FIREFOX_FOUND | FFTB_NOT_ADMIN))
        return TOOLBAR_OFFER_FIREFOX;
    return NO_TOOLBAR_OFFER;
}

int FirefoxToolbarEligible(DWORD* flags)
{
    DWORD found = 0;
    BOOL noFirefoxOffer = FFTBCompatibilityCheck(&found);
    if (flags != NULL)
        *flags = found;
    return !noFirefoxOffer && (found & FIREFOX_REFUSING_FLAGS) == 0;
}

static int IsWindowsXPOrLater()
{
    const WindowsFacts* windows = KnownWindows();
    return windows->known && (windows->major > 5 || (windows->major == 5 && windows->minor > 0));
}

static int IsIEVersion6OrLater()
{
    char* rest = NULL;
    int major = ReadVersionPart(ReadRegistryText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer", "Version"), &rest);
    if (major != 6)
        return major > 6;
    return ReadVersionPart(rest, &rest) >= 0;  // a missing minor part reads as 0
}

static int BrowserExtensionsDisabled(HKEY userRoot)
{
    const char* setting = ReadRegistryText(userRoot, "Software\\Microsoft\\Internet Explorer\\Main", "Enable Browser Extensions");
    return lstrcmpiA(setting, "no") == 0;
}

int IETBCompatibilityCheck(HKEY userRoot, DWORD* reasons)
{
    if (userRoot == NULL)
        userRoot = HKEY_CURRENT_USER;
    DWORD found = 0;
    if (ReadRegistryText(HKEY_CLASSES_ROOT, ToolbarServerKey, "")[0] != '\0')
        found |= IETB_TOOLBAR_INSTALLED;
    if (!IsWindowsXPOrLater())
        found |= IETB_OLD_WINDOWS;
    if (!IsIEDefaultBrowser(userRoot))
        found |= IETB_NOT_DEFAULT_BROWSER;
    if (!IsIEVersion6OrLater())
        found |= IETB_IE_BELOW_6;
    if (BrowserExtensionsDisabled(userRoot))
        found |= IETB_EXTENSIONS_DISABLED;
    if (!CanWriteToolbarKey())
        found |= IETB_NO_MACHINE_WRITE;
    PurgeExpiredOfferHolds();
    // A hold is only looked at, or taken, when the offer could be made.
    if (found == 0 && !ClaimToolbarOffer())
        found = IETB_OFFER_ON_HOLD;
    if (reasons != NULL)
        *reasons = found;
    return found == 0;
}

static bool KeyOpens(HKEY root, const char* path)
{
    OwnedKey key;
    return RegOpenKeyExA(root, path, 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
}

int IsIEDefaultBrowser(HKEY userRoot)
{
    if (userRoot == NULL)
        userRoot = HKEY_CURRENT_USER;
    // The user's own choice rules, even when it names nothing.
    if (IsWindows6OrLater() && KeyOpens(userRoot, UserChoiceKey))
        return FindTextNoCase("IE.HTTP", ReadRegistryText(userRoot, UserChoiceKey, "Progid")) != NULL;
    return FindTextNoCase("iexplore", ReadRegistryText(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "")) != NULL;
}

// The one question of the version that is not read from the record: the
// browser choice of Windows Vista and later is asked as the toolbar's own
// installer asks it, by the system's comparison, which a Windows too old to
// have VerifyVersionInfoA answers with no.
int IsWindows6OrLater()
{
    return QueryMajorVersionAtLeast(6);
}

// A value of the probe's name that was there before the probe: kept whole,
// whatever its type and size, and put back after it.
struct KeptValue {
    OwnedBlock<BYTE*> data;
    DWORD type;
    DWORD size;
};

enum KeptState { NO_VALUE, VALUE_KEPT, VALUE_NOT_KEPT };

static KeptState KeepValue(HKEY key, const char* name, KeptValue* kept)
{
    kept->size = 0;
    LONG status = RegQueryValueExA(key, name, NULL, &kept->type, NULL, &kept->size);
    if (status == ERROR_FILE_NOT_FOUND)
        return NO_VALUE;
    if (status != ERROR_SUCCESS)
        return VALUE_NOT_KEPT;
    // One byte more, so that an empty value has a block too.
    *kept->data.Receive() = (BYTE*)HeapAlloc(GetProcessHeap(), 0, kept->size + 1);
    if (!kept->data.Holds() || RegQueryValueExA(key, name, NULL, &kept->type, kept->data, &kept->size) != ERROR_SUCCESS)
        return VALUE_NOT_KEPT;
    return VALUE_KEPT;
}

// Writes the test value, reads it back and removes it again, or puts back
// the value of that name that was there.
static int WriteAndReadBack(HKEY key)
{
    static const char Probe[] = "test";
    KeptValue kept;
    KeptState before = KeepValue(key, "test", &kept);
    if (before == VALUE_NOT_KEPT)
        return 0;  // what cannot be put back is not overwritten
    if (RegSetValueExA(key, "test", 0, REG_SZ, (const BYTE*)Probe, sizeof Probe) != ERROR_SUCCESS)
        return 0;
    char readBack[1024];
    DWORD size = sizeof readBack - 1;
    DWORD type = REG_NONE;
    ZeroMemory(readBack, sizeof readBack);
    int answer = RegQueryValueExA(key, "test", NULL, &type, (BYTE*)readBack, &size) == ERROR_SUCCESS &&
                 lstrcmpA(readBack, Probe) == 0;
    // Nothing more can be done if either fails.
    if (before == VALUE_KEPT)
        (void)RegSetValueExA(key, "test", 0, kept.type, kept.data, kept.size);
    else
        (void)RegDeleteValueA(key, "test");
    return answer;
}

int CanWriteToolbarKey()
{
    // Creating the toolbar's key creates its parent too where that is
    // missing; both go again so the probe leaves no trace.
    bool parentExisted = KeyOpens(HKEY_LOCAL_MACHINE, ToolbarParentKey);
    int answer = 0;
    DWORD disposition = 0;
    {
        OwnedKey key;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, ToolbarKey, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                            NULL, key.Receive(), &disposition) != ERROR_SUCCESS)
            return 0;
        answer = WriteAndReadBack(key);
    }  // closed before it may be deleted
    if (disposition == REG_CREATED_NEW_KEY) {
        // Nothing more can be done if either stays.
        (void)RegDeleteKeyA(HKEY_LOCAL_MACHINE, ToolbarKey);
        if (!parentExisted)
            (void)RegDeleteKeyA(HKEY_LOCAL_MACHINE, ToolbarParentKey);
    }
    return answer;
}
