// Replaces the system facts of platform/system_facts.h for the life of the
// object: the Windows version reported (or a failing query) and compared,
// whether the user is an administrator, today's date, and which functions
// the system's DLLs lack. Restored at the end.
#pragma once
#include <windows.h>

class FakeSystemFacts {
public:
    FakeSystemFacts();
    ~FakeSystemFacts();
    void SetWindows(DWORD major, DWORD minor, WORD servicePack = 0, DWORD platform = VER_PLATFORM_WIN32_NT);
    void FailVersionQuery();
    void SetAdmin(bool admin);
    void SetToday(WORD year, WORD month, WORD day);
    // The system lacks this function, as shells before version 5.0 lack
    // IsUserAnAdmin and SHGetFolderPathA; the administrator question goes to
    // the system again, through the same lookup.
    void WithoutFunction(const char* name);
    void AlsoWithoutFunction(const char* name);
    // The system's function of that name is this one (the administrator
    // question goes to the system too).
    void ReplaceFunction(const char* name, FARPROC standIn);
    int adminQuestions() const;
};
