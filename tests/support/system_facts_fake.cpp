#include "system_facts_fake.h"
#include "setup/system_facts.h"

static OSVERSIONINFOEXA FakeVersion;
static bool VersionFails;
static bool UserIsAdmin;
static int AdminQuestions;
static SYSTEMTIME FakeToday;

static BOOL WINAPI ReportVersion(LPOSVERSIONINFOA info)
{
    if (VersionFails)
        return FALSE;
    DWORD size = info->dwOSVersionInfoSize;
    if (size != sizeof(OSVERSIONINFOA) && size != sizeof(OSVERSIONINFOEXA))
        return FALSE;
    CopyMemory(info, &FakeVersion, size);
    info->dwOSVersionInfoSize = size;
    return TRUE;
}

static BOOL WINAPI ReportAdmin()
{
    ++AdminQuestions;
    return UserIsAdmin;
}

static void WINAPI ReportToday(LPSYSTEMTIME time)
{
    *time = FakeToday;
}

static BOOL(WINAPI* RealVersion)(LPOSVERSIONINFOA);
static BOOL(WINAPI* RealAdmin)(void);
static void(WINAPI* RealToday)(LPSYSTEMTIME);

FakeSystemFacts::FakeSystemFacts()
{
    RealVersion = QueryWindowsVersion;
    RealAdmin = QueryUserIsAdmin;
    RealToday = QueryLocalTime;
    SetWindows(5, 1, 2);
    VersionFails = false;
    UserIsAdmin = true;
    AdminQuestions = 0;
    SetToday(2026, 8, 31);
    QueryWindowsVersion = ReportVersion;
    QueryUserIsAdmin = ReportAdmin;
    QueryLocalTime = ReportToday;
}

FakeSystemFacts::~FakeSystemFacts()
{
    QueryWindowsVersion = RealVersion;
    QueryUserIsAdmin = RealAdmin;
    QueryLocalTime = RealToday;
}

void FakeSystemFacts::SetWindows(DWORD major, DWORD minor, WORD servicePack, DWORD platform)
{
    ZeroMemory(&FakeVersion, sizeof FakeVersion);
    FakeVersion.dwMajorVersion = major;
    FakeVersion.dwMinorVersion = minor;
    FakeVersion.dwBuildNumber = 2600;
    FakeVersion.dwPlatformId = platform;
    FakeVersion.wServicePackMajor = servicePack;
    VersionFails = false;
}

void FakeSystemFacts::FailVersionQuery()
{
    VersionFails = true;
}

void FakeSystemFacts::SetAdmin(bool admin)
{
    UserIsAdmin = admin;
}

void FakeSystemFacts::SetToday(WORD year, WORD month, WORD day)
{
    ZeroMemory(&FakeToday, sizeof FakeToday);
    FakeToday.wYear = year;
    FakeToday.wMonth = month;
    FakeToday.wDay = day;
    FakeToday.wHour = 12;
}

int FakeSystemFacts::adminQuestions() const
{
    return AdminQuestions;
}
