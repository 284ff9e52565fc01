// Times setup against the programs that do the least its job allows, in
// rounds, each pair in turn (the order swapped every round, so neither
// always runs on the heels of the other):
//   first window: setup of the typical run until dialog 500 shows, against
//     bench_minimal_v6.exe until its message box shows (each is ended there);
//   whole plain run: setup with only the package beside it (no offer, the
//     product installed, the report opened), against bench_floor.exe, which
//     does what that run must do and nothing else.
// Before the rounds, bench_steps.exe times setup's own start-up steps from
// the typical run's source folder, in nine processes.
//   bench_setup.exe ROUNDS [STEP_REPETITIONS]
// Prints tab-separated lines: bench_steps' lines ("step" ...), then
// "first-window" or "whole-run", the program, the round (0 only warms up:
// the first window in a prefix starts Wine's desktop) and milliseconds, or
// "failed" and why.
#include <windows.h>
#include <msi.h>
#include <stdio.h>
#include <string>
#include "scenario.h"
#include "registry_sandbox.h"
#include "offers/eligibility.h"
#include "offers/offer_holds.h"

static const char* PlainFolder = "C:\\Plain";
static const char* PackageFixture = "product-14.0\\TARVEX140.MSI";

static double Now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return count.QuadPart * 1000.0 / frequency.QuadPart;
}

static std::string Beside(const char* name)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\') + 1) + name;
}

static bool Start(const std::string& program, const std::string& arguments, PROCESS_INFORMATION* process,
                  bool shareOutput = false)
{
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    if (shareOutput) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    }
    std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    return CreateProcessA(program.c_str(), &commandLine[0], NULL, NULL, shareOutput, 0, NULL, NULL, &startup,
                          process) != 0;
}

// The program's exit code, or the system's error code when it could not be
// started, with the top bit set to tell the two apart.
static DWORD RunToEnd(const std::string& program, const std::string& arguments, bool shareOutput = false)
{
    PROCESS_INFORMATION process;
    if (!Start(program, arguments, &process, shareOutput))
        return GetLastError() | 0x80000000u;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = (DWORD)-1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

// Milliseconds from the start of the program to its first visible dialog,
// or -1 when it shows none; the program is ended there.
static double FirstWindowMs(const std::string& program)
{
    PROCESS_INFORMATION process;
    double start = Now();
    if (!Start(program, "", &process))
        return -1;
    std::vector<HWND> none;
    double shown = -1;
    while (Now() - start < 30000) {
        if (FindNewDialog(process.dwProcessId, none) != NULL) {
            shown = Now() - start;
            break;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown;
}

// Lets the windows and processes of the last run go before the next starts.
static void Settle()
{
    Sleep(30);
}

static void PrintFirstWindow(const char* name, const std::string& program, int round)
{
    // The toolbar is offered once in six months: the hold the last run took
    // would keep dialog 500 away.
    DeleteTree(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY);
    Settle();
    double ms = FirstWindowMs(program);
    if (ms < 0)
        printf("first-window\t%s\t%d\tfailed\tno window\n", name, round);
    else
        printf("first-window\t%s\t%d\t%.2f\n", name, round, ms);
}

// A whole plain run must leave the product installed and have opened the
// report. The product is removed again for the next run, in this process,
// which takes a fraction of the time another msiexec would.
static void PrintWholeRun(const char* name, const std::string& program, const std::string& arguments, int round)
{
    std::string package = std::string(PlainFolder) + "\\TARVEX140.MSI";
    size_t opened = RecordedEvents().size();
    Settle();
    double start = Now();
    DWORD code = RunToEnd(program, arguments);
    double ms = Now() - start;
    std::vector<std::string> events = RecordedEvents();
    for (double waited = Now(); events.size() <= opened && Now() - waited < 8000; events = RecordedEvents())
        Sleep(5);  // the browser is not waited for and may log after the run
    std::string address = events.size() > opened ? events[opened] : "";
    bool reported = address.find(ReportAddress("3pa=&bm=1")) != std::string::npos;
    bool installed = ProductInstalled();
    if (code != 0 || !installed || !reported)
        printf("whole-run\t%s\t%d\tfailed\texit code 0x%lX, %s, %s\n", name, round, code,
               installed ? "installed" : "not installed", reported ? "reported" : "no report");
    else
        printf("whole-run\t%s\t%d\t%.2f\n", name, round, ms);
    MsiInstallProductA(package.c_str(), "REMOVE=ALL");
}

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    int rounds = atoi(argv[1]);
    const char* repetitions = argc > 2 ? argv[2] : "200";
    MsiSetInternalUI(INSTALLUILEVEL_NONE, NULL);

    std::string setup = PrepareMachine(FindScenario("typical")->machine);
    std::string steps = "C:\\Downloads\\bench_steps.exe";
    CopyFileA(Beside("bench_steps.exe").c_str(), steps.c_str(), FALSE);
    SetWindowsVersionFor("bench_steps.exe", "winxp");
    // A first call is timed once a process: several processes make it a median.
    for (int run = 0; run < 9; ++run) {
        DeleteTree(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY);
        RunToEnd(steps, repetitions, true);
    }

    std::string minimal = "C:\\Downloads\\bench_minimal_v6.exe";
    CopyFileA(Beside("bench_minimal_v6.exe").c_str(), minimal.c_str(), FALSE);
    std::string plainSetup = PrepareSourceFolder(PlainFolder, {PackageFixture});
    std::string floor = std::string(PlainFolder) + "\\bench_floor.exe";
    CopyFileA(Beside("bench_floor.exe").c_str(), floor.c_str(), FALSE);
    std::string address = ReportAddress("3pa=&bm=1");  // holds no blank

    for (int round = 0; round <= rounds; ++round) {
        bool setupFirst = round % 2 == 0;
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == setupFirst)
                PrintFirstWindow("setup", setup, round);
            else
                PrintFirstWindow("minimal-v6", minimal, round);
        }
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == setupFirst)
                PrintWholeRun("setup", plainSetup, "", round);
            else
                PrintWholeRun("floor", floor, address, round);
        }
        fflush(stdout);
    }
    return 0;
}
