#include "system_facts_fake.h"
#include "text/system_facts.h"

static OSVERSIONINFOEXA FakeVersion;
static bool VersionFails;
static bool UserIsAdmin;
static int AdminQuestions;
static SYSTEMTIME FakeToday;
static const char* MissingFunction;

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

static FARPROC(WINAPI* RealProcAddress)(HMODULE, LPCSTR);

static FARPROC WINAPI LookUpFunction(HMODULE module, LPCSTR name)
{
    bool byName = HIWORD((ULONG_PTR)name) != 0;
    if (byName && MissingFunction != NULL && lstrcmpA(name, MissingFunction) == 0)
        return NULL;
    return RealProcAddress(module, name);
}

static BOOL(WINAPI* RealVersion)(LPOSVERSIONINFOA);
static BOOL(WINAPI* RealAdmin)(void);
static void(WINAPI* RealToday)(LPSYSTEMTIME);

FakeSystemFacts::FakeSystemFacts()
{
    RealVersion = QueryWindowsVersion;
    RealAdmin = QueryUserIsAdmin;
    RealToday = QueryLocalTime;
    RealProcAddress = QueryProcAddress;
    MissingFunction = NULL;
    SetWindows(5, 1, 2);
    VersionFails = false;
    UserIsAdmin = true;
    AdminQuestions = 0;
    SetToday(2026, 8, 31);
    QueryWindowsVersion = ReportVersion;
    QueryUserIsAdmin = ReportAdmin;
    QueryLocalTime = ReportToday;
    QueryProcAddress = LookUpFunction;
}

FakeSystemFacts::~FakeSystemFacts()
{
    QueryWindowsVersion = RealVersion;
    QueryUserIsAdmin = RealAdmin;
    QueryLocalTime = RealToday;
    QueryProcAddress = RealProcAddress;
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

void FakeSystemFacts::WithoutFunction(const char* name)
{
    MissingFunction = name;
    QueryUserIsAdmin = RealAdmin;
}

int FakeSystemFacts::adminQuestions() const
{
    return AdminQuestions;
}
