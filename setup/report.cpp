#include "setup/report.h"
#include "setup/file_version.h"
#include "text/bounded.h"
#include "setup/installed_version.h"
#include "platform/registry_text.h"
#include "platform/owned.h"
#include "platform/shell_functions.h"

#define SETTING_CHARS 512
#define IDENTIFICATION_STRINGS 4

static const char ProductSettingsKey[] = "Software\\Halvard Software\\Tarvex\\Tarvex";

// The installed program's identification strings and the keys they are
// sent under, in the order of the address.
static const UINT IdentificationIds[IDENTIFICATION_STRINGS] = {39901, 39902, 39903, 39904};
static const char* const IdentificationKeys[IDENTIFICATION_STRINGS] = {"?pid=", "&ver=", "&lang=", "&vid="};

int LoadModuleString(HMODULE module, UINT id, char* buffer)
{
    int length = LoadStringA(module, id, buffer, MODULE_STRING_CHARS);
    if (length <= 0) {
        buffer[0] = '\0';
        return 0;
    }
    return length <= MODULE_STRING_CHARS - 1;
}

void AppendPartnerItem(char* list, size_t size, const char* code, int flag)
{
    // A full list stays cut, as the address does.
    if (list[0] != '\0')
        (void)AppendBounded(list, size, ",");
    (void)AppendBounded(list, size, code);
    (void)AppendBounded(list, size, ":");
    (void)AppendBounded(list, size, flag != 0 ? "1" : "0");
}

static bool IsNewer(const FileVersion* after, const FileVersion* before)
{
    if (after->high != before->high)
        return after->high > before->high;
    return after->low > before->low;
}

// The strings are read with the program mapped as data: none of its code
// runs in setup.
static int LoadIdentification(const char* program, char strings[IDENTIFICATION_STRINGS][MODULE_STRING_CHARS])
{
    OwnedModule module(LoadLibraryExA(program, NULL, LOAD_LIBRARY_AS_DATAFILE));
    if (!module.Holds())
        return 0;
    int loaded = 1;
    for (int i = 0; i < IDENTIFICATION_STRINGS && loaded; ++i)
        loaded = LoadModuleString(module, IdentificationIds[i], strings[i]);
    return loaded;
}

// The address grows piece by piece; the first piece that does not fit cuts
// it for good, so that no escape is split and nothing follows a cut value.
struct ReportAddress {
    char text[REPORT_ADDRESS_CHARS];
    size_t length;
    bool cut;
};

static void AppendPiece(ReportAddress* address, const char* piece, size_t pieceLength, bool divisible)
{
    if (address->cut)
        return;
    if (address->length + pieceLength >= sizeof address->text) {
        // Plain text is kept up to the last place, as a bounded append would.
        if (divisible) {
            size_t room = sizeof address->text - 1 - address->length;
            CopyMemory(address->text + address->length, piece, room);
            address->length += room;
        }
        address->cut = true;
    } else {
        CopyMemory(address->text + address->length, piece, pieceLength);
        address->length += pieceLength;
    }
    address->text[address->length] = '\0';
}

static void AppendPlain(ReportAddress* address, const char* text)
{
    AppendPiece(address, text, lstrlenA(text), true);
}

static bool KeptAsItIs(unsigned char c)
{
    if (c <= ' ' || c >= 0x7F)
        return false;  // blanks, control characters and every byte outside ASCII
    return c != '&' && c != '#' && c != '%' && c != '+' && c != '=';
}

// Characters that would end or change the query are sent as %XX.
static void AppendValue(ReportAddress* address, const char* value)
{
    static const char Hex[] = "0123456789ABCDEF";
    for (const unsigned char* c = (const unsigned char*)value; *c != '\0'; ++c) {
        if (KeptAsItIs(*c)) {
            AppendPiece(address, (const char*)c, 1, true);
        } else {
            char escape[3] = {'%', Hex[*c >> 4], Hex[*c & 0x0F]};
            AppendPiece(address, escape, 3, false);
        }
    }
}

// "0" only when the product's compression setting is the REG_SZ text "0".
static const char* CompressionMark()
{
    OwnedKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, ProductSettingsKey, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return "1";
    char setting[SETTING_CHARS];
    DWORD type = REG_NONE;
    if (ReadWholeValueText(key, "DefaultCompressionMethod", setting, sizeof setting, &type) == ERROR_SUCCESS &&
        type == REG_SZ && lstrcmpA(setting, "0") == 0)
        return "0";
    return "1";
}

int PrepareCompletionReport(const FileVersion* before, const RunRecord* run, CleanerQuestion cleanerInstalledNow,
                            char* addressText)
{
    addressText[0] = '\0';
    char program[MAX_PATH] = "";
    FileVersion after;
    ReadInstalledVersion(&after, program, sizeof program);
    if (after.high == 0 || after.low == 0 || !IsNewer(&after, before) || program[0] == '\0')
        return 0;
    char strings[IDENTIFICATION_STRINGS][MODULE_STRING_CHARS];
    if (!LoadIdentification(program, strings))
        return 0;

    char partners[PARTNER_LIST_CHARS] = "";
    if (run->toolbar.shown)
        AppendPartnerItem(partners, sizeof partners, run->toolbar.isFirefox ? "gglf" : "ggle", run->toolbar.installed);
    if (run->cleaner.shown)
        AppendPartnerItem(partners, sizeof partners, "unbl", cleanerInstalledNow());

    ReportAddress address;
    address.text[0] = '\0';
    address.length = 0;
    address.cut = false;
    AppendPlain(&address, TARVEX_WEB_SERVER "/instcmplt.cgi");
    for (int i = 0; i < IDENTIFICATION_STRINGS; ++i) {
        AppendPlain(&address, IdentificationKeys[i]);
        AppendValue(&address, strings[i]);
    }
    AppendPlain(&address, "&3pa=");
    AppendValue(&address, partners);
    AppendPlain(&address, "&bm=");
    AppendPlain(&address, CompressionMark());
    CopyMemory(addressText, address.text, address.length + 1);
    return 1;
}

void SendCompletionReport(const FileVersion* before, const RunRecord* run, CleanerQuestion cleanerInstalledNow)
{
    char address[REPORT_ADDRESS_CHARS];
    if (!PrepareCompletionReport(before, run, cleanerInstalledNow, address))
        return;
    // Nothing comes back from the page: the result is of no use.
    ShellOpenBeforeExit("open", address);
}
