// Times a program's start to its first window, and its last answered window
// to its end, leaving out the time of the programs it started (installers):
//   bench_setup.exe RUNS YARDSTICK [YARDSTICK ...]
// Setup runs from the source folder of the typical scenario, alternating
// with the yardstick programs. Each run answers every window with Enter and
// prints one line: program, milliseconds to the first window, milliseconds
// from the last answer to the end without child processes, and the time of
// the child processes.
#include <windows.h>
#include <tlhelp32.h>
#include <stdio.h>
#include <map>
#include <string>
#include <vector>
#include "scenario.h"
#include "ui_driver.h"

static double Now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return count.QuadPart * 1000.0 / frequency.QuadPart;
}

// Children of the process: their handles, opened as soon as they are seen,
// so their whole lifetime can be read afterwards.
static void CollectChildren(DWORD parent, std::map<DWORD, HANDLE>* children)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        bool known = children->count(entry.th32ProcessID) != 0;
        bool child = entry.th32ParentProcessID == parent || children->count(entry.th32ParentProcessID) != 0;
        // Installers are waited for and left out; the browser setup opens the
        // report in is not waited for, so its start stays part of setup's time.
        bool left = lstrcmpiA(entry.szExeFile, "explorer.exe") == 0 || lstrcmpiA(entry.szExeFile, "iexplore.exe") == 0;
        if (child && !known && !left)
            (*children)[entry.th32ProcessID] =
                OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, entry.th32ProcessID);
    }
    CloseHandle(snapshot);
}

static double LifetimeMs(HANDLE process)
{
    FILETIME created, ended, kernel, user;
    if (process == NULL || !GetProcessTimes(process, &created, &ended, &kernel, &user))
        return 0;
    ULARGE_INTEGER a, b;
    a.LowPart = created.dwLowDateTime;
    a.HighPart = created.dwHighDateTime;
    b.LowPart = ended.dwLowDateTime;
    b.HighPart = ended.dwHighDateTime;
    return b.QuadPart > a.QuadPart ? (b.QuadPart - a.QuadPart) / 10000.0 : 0;
}

static void RunOnce(const char* program)
{
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process;
    std::string commandLine = std::string("\"") + program + "\"";
    double start = Now();
    if (!CreateProcessA(program, &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        printf("%s\tcannot start\n", program);
        return;
    }
    std::vector<HWND> seen;
    std::map<DWORD, HANDLE> children;
    double firstWindow = -1, lastAnswer = start;
    for (;;) {
        CollectChildren(process.dwProcessId, &children);
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            break;
        HWND window = FindNewDialog(process.dwProcessId, seen);
        if (window == NULL) {
            Sleep(1);
            continue;
        }
        if (firstWindow < 0)
            firstWindow = Now() - start;
        seen.push_back(window);
        Sleep(100);  // let the window settle before it is answered
        lastAnswer = Now();
        PressKey(window, VK_RETURN);
    }
    double end = Now();
    double childTime = 0;
    for (auto& child : children) {
        WaitForSingleObject(child.second, 10000);
        childTime += LifetimeMs(child.second);
        CloseHandle(child.second);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    double shutdown = end - lastAnswer - childTime;
    printf("%s\t%.1f\t%.1f\t%.1f\n", program, firstWindow, shutdown < 0 ? 0 : shutdown, childTime);
}

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    int runs = atoi(argv[1]);
    const char* scenario = getenv("BENCH_SCENARIO");
    std::string setup = PrepareMachine(FindScenario(scenario != NULL ? scenario : "typical")->machine);
    for (int run = 0; run < runs; ++run) {
        RunOnce(setup.c_str());  // interleaved, so all see the same machine load
        for (int i = 2; i < argc; ++i)
            RunOnce(argv[i]);
    }
    return 0;
}
