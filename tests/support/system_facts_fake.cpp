#include "system_facts_fake.h"
#include "platform/system_facts.h"

static WindowsFacts FakeWindows;
static bool UserIsAdmin;
static int AdminQuestions;
static SYSTEMTIME FakeToday;
// Functions the fake system lacks, and those it answers with a stand-in.
#define FAKED_FUNCTIONS_AT_MOST 4
static const char* MissingFunctions[FAKED_FUNCTIONS_AT_MOST];
static const char* StandInNames[FAKED_FUNCTIONS_AT_MOST];
static FARPROC StandIns[FAKED_FUNCTIONS_AT_MOST];

// VerifyVersionInfoA compares the same record.
static int ReportMajorVersionAtLeast(DWORD major)
{
    return FakeWindows.known && FakeWindows.major >= major;
}

static BOOL ReportAdmin()
{
    ++AdminQuestions;
    return UserIsAdmin;
}

static void ReportToday(LPSYSTEMTIME time)
{
    *time = FakeToday;
}

// What was in place before, put back at the end.
static SystemFactsReplacements Kept;

static FARPROC LookUpFunction(HMODULE module, LPCSTR name)
{
    bool byName = HIWORD((ULONG_PTR)name) != 0;
    for (int i = 0; byName && i < FAKED_FUNCTIONS_AT_MOST; ++i) {
        if (MissingFunctions[i] != NULL && lstrcmpA(name, MissingFunctions[i]) == 0)
            return NULL;
        if (StandInNames[i] != NULL && lstrcmpA(name, StandInNames[i]) == 0)
            return StandIns[i];
    }
    return Kept.procAddress != NULL ? Kept.procAddress(module, name) : GetProcAddress(module, name);
}

FakeSystemFacts::FakeSystemFacts()
{
    Kept = ReplacedSystemFacts;
    ZeroMemory(MissingFunctions, sizeof MissingFunctions);
    ZeroMemory(StandInNames, sizeof StandInNames);
    SetWindows(5, 1, 2);
    UserIsAdmin = true;
    AdminQuestions = 0;
    SetToday(2026, 8, 31);
    ReplacedSystemFacts.windows = &FakeWindows;
    ReplacedSystemFacts.majorVersionAtLeast = ReportMajorVersionAtLeast;
    ReplacedSystemFacts.userIsAdmin = ReportAdmin;
    ReplacedSystemFacts.localTime = ReportToday;
    ReplacedSystemFacts.procAddress = LookUpFunction;
}

FakeSystemFacts::~FakeSystemFacts()
{
    ReplacedSystemFacts = Kept;
}

void FakeSystemFacts::SetWindows(DWORD major, DWORD minor, WORD servicePack, DWORD platform)
{
    ZeroMemory(&FakeWindows, sizeof FakeWindows);
    FakeWindows.known = TRUE;
    FakeWindows.major = major;
    FakeWindows.minor = minor;
    FakeWindows.build = 2600;
    FakeWindows.platform = platform;
    FakeWindows.servicePackMajor = servicePack;
}

void FakeSystemFacts::FailVersionQuery()
{
    ZeroMemory(&FakeWindows, sizeof FakeWindows);
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
    ZeroMemory(MissingFunctions, sizeof MissingFunctions);
    AlsoWithoutFunction(name);
}

static void AddName(const char** names, const char* name)
{
    int i = 0;
    while (i < FAKED_FUNCTIONS_AT_MOST - 1 && names[i] != NULL)
        ++i;
    names[i] = name;
}

void FakeSystemFacts::AlsoWithoutFunction(const char* name)
{
    AddName(MissingFunctions, name);
    ReplacedSystemFacts.userIsAdmin = Kept.userIsAdmin;
}

void FakeSystemFacts::ReplaceFunction(const char* name, FARPROC standIn)
{
    AddName(StandInNames, name);
    for (int i = 0; i < FAKED_FUNCTIONS_AT_MOST; ++i)
        if (StandInNames[i] == name)
            StandIns[i] = standIn;
    ReplacedSystemFacts.userIsAdmin = Kept.userIsAdmin;
}

int FakeSystemFacts::adminQuestions() const
{
    return AdminQuestions;
}
