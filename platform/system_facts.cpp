#include "platform/system_facts.h"
#include "platform/shell_functions.h"
#include "platform/optional_functions.h"

SystemFactsReplacements ReplacedSystemFacts;

// The version does not change while setup runs: the system is asked once,
// for the longer record where it has one (Windows 95 and NT 4.0 before
// Service Pack 6 know only the short one).
static WindowsFacts Windows;
static bool WindowsKnown;

static WindowsFacts AskWindows()
{
    OSVERSIONINFOEXA asked;
    ZeroMemory(&asked, sizeof asked);
    asked.dwOSVersionInfoSize = sizeof asked;
    BOOL known = GetVersionExA((LPOSVERSIONINFOA)&asked);
    if (!known) {
        ZeroMemory(&asked, sizeof asked);
        asked.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        known = GetVersionExA((LPOSVERSIONINFOA)&asked);
    }
    WindowsFacts facts;
    ZeroMemory(&facts, sizeof facts);
    if (!known)
        return facts;
    facts.known = TRUE;
    facts.platform = asked.dwPlatformId;
    facts.major = asked.dwMajorVersion;
    facts.minor = asked.dwMinorVersion;
    facts.build = asked.dwPlatformId == VER_PLATFORM_WIN32_NT ? asked.dwBuildNumber : LOWORD(asked.dwBuildNumber);
    facts.servicePackMajor = asked.wServicePackMajor;
    CopyMemory(facts.servicePack, asked.szCSDVersion, sizeof facts.servicePack);
    facts.servicePack[sizeof facts.servicePack - 1] = '\0';
    return facts;
}

// Two threads asking first at once (the export's callers may) each ask the
// system; one of them stores the record while no thread reads it, and the
// other waits the moment that takes.
const WindowsFacts* KnownWindows()
{
    if (ReplacedSystemFacts.windows != NULL)
        return ReplacedSystemFacts.windows;
    if (__atomic_load_n(&WindowsKnown, __ATOMIC_ACQUIRE))
        return &Windows;
    WindowsFacts asked = AskWindows();
    static volatile LONG Storing;
    if (InterlockedCompareExchange(&Storing, 1, 0) == 0) {
        Windows = asked;
        __atomic_store_n(&WindowsKnown, true, __ATOMIC_RELEASE);
        return &Windows;
    }
    while (!__atomic_load_n(&WindowsKnown, __ATOMIC_ACQUIRE))
        Sleep(0);
    return &Windows;
}

int QueryMajorVersionAtLeast(DWORD major)
{
    if (ReplacedSystemFacts.majorVersionAtLeast != NULL)
        return ReplacedSystemFacts.majorVersionAtLeast(major);
    VerifyVersionInfoFunction verify = OptionalFunctionOf<VerifyVersionInfoFunction>(VERIFY_VERSION_INFO);
    VerSetConditionMaskFunction condition = OptionalFunctionOf<VerSetConditionMaskFunction>(VER_SET_CONDITION_MASK);
    if (verify == NULL || condition == NULL)
        return 0;
    OSVERSIONINFOEXA wanted;
    ZeroMemory(&wanted, sizeof wanted);
    wanted.dwOSVersionInfoSize = sizeof wanted;
    wanted.dwMajorVersion = major;
    ULONGLONG mask = condition(0, VER_MAJORVERSION, VER_GREATER_EQUAL);
    return verify(&wanted, VER_MAJORVERSION, mask) != FALSE;
}

// The built-in Administrators group, S-1-5-32-544, laid out as a SID is.
static const struct {
    BYTE revision;
    BYTE subAuthorities;
    BYTE authority[6];
    DWORD subAuthority[2];
} AdministratorsGroup = {SID_REVISION, 2, {0, 0, 0, 0, 0, 5}, {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS}};

// Whether the token the calling thread runs with (its own, else the
// process's) has the Administrators group enabled; FALSE where advapi32
// lacks the function (before Windows 2000) or the call fails.
static BOOL TokenHasAdministrators()
{
    CheckTokenMembershipFunction isMember = OptionalFunctionOf<CheckTokenMembershipFunction>(CHECK_TOKEN_MEMBERSHIP);
    BOOL member = FALSE;
    return isMember != NULL && isMember(NULL, (PSID)(void*)&AdministratorsGroup, &member) && member;
}

BOOL QueryUserIsAdmin()
{
    if (ReplacedSystemFacts.userIsAdmin != NULL)
        return ReplacedSystemFacts.userIsAdmin();
    // Windows 2000 accepts setup from Service Pack 3 on, and its shell need
    // not export IsUserAnAdmin by name: the token is asked there.
    int shellAnswer = ShellUserIsAdmin();
    if (shellAnswer >= 0)
        return shellAnswer;
    return TokenHasAdministrators();
}

void QueryLocalTime(LPSYSTEMTIME time)
{
    if (ReplacedSystemFacts.localTime != NULL)
        ReplacedSystemFacts.localTime(time);
    else
        GetLocalTime(time);
}

// Wine cannot be made to lack a function, so a whole run under test is told
// through its environment which ones its system lacks, separated by blanks:
// TARVEX_SETUP_LACKS=SetDefaultDllDirectories. It can only take functions
// away, and setup has a way for every Windows that lacks one.
#define LACKED_NAMES_CHARS 512
static char LackedNames[LACKED_NAMES_CHARS];
static bool LackedNamesRead;

static bool SameName(const char* word, const char* name, int length)
{
    for (int i = 0; i < length; ++i)
        if (word[i] != name[i])
            return false;
    return true;
}

static bool NamedAsLacking(LPCSTR name)
{
    if (!__atomic_load_n(&LackedNamesRead, __ATOMIC_ACQUIRE)) {
        DWORD length = GetEnvironmentVariableA("TARVEX_SETUP_LACKS", LackedNames, sizeof LackedNames);
        if (length >= sizeof LackedNames)
            LackedNames[0] = '\0';
        __atomic_store_n(&LackedNamesRead, true, __ATOMIC_RELEASE);
    }
    int nameLength = lstrlenA(name);
    for (const char* word = LackedNames; *word != '\0';) {
        const char* end = word;
        while (*end != '\0' && *end != ' ')
            ++end;
        if (end - word == nameLength && SameName(word, name, nameLength))
            return true;
        word = *end == ' ' ? end + 1 : end;
    }
    return false;
}

FARPROC QueryProcAddress(HMODULE module, LPCSTR name)
{
    if (ReplacedSystemFacts.procAddress != NULL)
        return ReplacedSystemFacts.procAddress(module, name);
    if (HIWORD((ULONG_PTR)name) != 0 && NamedAsLacking(name))
        return NULL;
    return GetProcAddress(module, name);
}

static HMODULE Kernel;

HMODULE KernelLibrary()
{
    if (Kernel == NULL)
        Kernel = GetModuleHandleA("kernel32.dll");
    return Kernel;
}
