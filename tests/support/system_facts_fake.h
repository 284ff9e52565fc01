// Replaces the system facts of setup/system_facts.h for the life of the
// object: the Windows version reported (or a failing query), whether the
// user is an administrator, and today's date. Restored at the end.
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
    int adminQuestions() const;
};
