#include "offers/offer_holds.h"
#include "platform/ansi_path.h"
#include "platform/system_facts.h"
#include "offers/company_name.h"
#include "platform/owned.h"

#define HOLD_NAME_CHARS 260

static DWORD PackedDate(const SYSTEMTIME& date)
{
    return date.wYear * 10000u + date.wMonth * 100u + date.wDay;
}

static DWORD Today()
{
    SYSTEMTIME now;
    ZeroMemory(&now, sizeof now);
    QueryLocalTime(&now);
    return PackedDate(now);
}

// A value that is not a REG_DWORD has no business in the key.
static void RemoveMalformedHolds(HKEY holds)
{
    DWORD index = 0;
    for (;;) {
        char name[HOLD_NAME_CHARS];
        DWORD nameSize = sizeof name;
        DWORD type = REG_NONE;
        if (RegEnumValueA(holds, index, name, &nameSize, NULL, &type, NULL, NULL) != ERROR_SUCCESS)
            return;
        if (type == REG_DWORD)
            ++index;
        else if (RegDeleteValueA(holds, name) != ERROR_SUCCESS)
            return;  // the same index would only fail again
    }
}

static void RemoveExpiredHolds(HKEY holds, DWORD today)
{
    DWORD index = 0;
    for (;;) {
        char name[HOLD_NAME_CHARS];
        DWORD nameSize = sizeof name;
        DWORD type = REG_NONE;
        DWORD until = 0;
        DWORD dataSize = sizeof until;
        if (RegEnumValueA(holds, index, name, &nameSize, NULL, &type, (BYTE*)&until, &dataSize) != ERROR_SUCCESS)
            return;
        if (type == REG_DWORD && until > today)
            ++index;
        else if (RegDeleteValueA(holds, name) != ERROR_SUCCESS)
            return;
    }
}

void PurgeExpiredOfferHolds()
{
    OwnedKey holds;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, 0, KEY_ALL_ACCESS, holds.Receive()) != ERROR_SUCCESS)
        return;
    RemoveMalformedHolds(holds);
    RemoveExpiredHolds(holds, Today());
}

static DWORD SixMonthsFromToday()
{
    SYSTEMTIME date;
    ZeroMemory(&date, sizeof date);
    QueryLocalTime(&date);
    date.wMonth += 6;
    if (date.wMonth > 12) {
        date.wMonth -= 12;
        date.wYear += 1;
    }
    // The day stays as it is even where the month lacks it: holds are only
    // ever compared as numbers.
    return PackedDate(date);
}

int ClaimToolbarOffer()
{
    char program[MAX_PATH];
    if (!ReadOwnPath(program, sizeof program))
        return 1;  // a cut path would name some other file
    char company[COMPANY_NAME_CHARS];
    if (!ReadCompanyName(program, company))
        return 1;
    OwnedKey holds;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                        NULL, holds.Receive(), NULL) != ERROR_SUCCESS)
        return 1;
    // The purge has just run, so a hold still there lies in the future.
    if (RegQueryValueExA(holds, company, NULL, NULL, NULL, NULL) == ERROR_SUCCESS)
        return 0;
    DWORD until = SixMonthsFromToday();
    (void)RegSetValueExA(holds, company, 0, REG_DWORD, (const BYTE*)&until, sizeof until);  // a failed write allows the offer too
    return 1;
}
