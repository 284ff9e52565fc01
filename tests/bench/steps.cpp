// Times the steps setup takes before its first window, in setup's order,
// inside one process: the first call of each (what a run pays, the system
// DLLs it loads included) and the median of many more. It links setup's
// code and resources, and runs from the typical run's source folder under
// setup's Windows version:   bench_steps.exe REPETITIONS
// Prints one tab-separated line a step: "step", its name, the first call
// and the median in microseconds.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <algorithm>
#include <vector>
#include "platform/globals.h"
#include "setup/dll_search.h"
#include "platform/optional_functions.h"
#include "setup/windows_version.h"
#include "setup/help_viewer.h"
#include "setup/running_copies.h"
#include "setup/file_manager_extension.h"
#include "setup/registry_probe.h"
#include "setup/report.h"
#include "setup/browser_entries.h"
#include "offers/offers.h"
#include "offers/eligibility.h"
#include "resources/resource.h"
#include "setup/source_folder.h"
#include "setup/installed_version.h"

// The common controls, initialised as setup's sequence does it.
static void InitialiseCommonControls()
{
    InitCommonControlsFunction initialise = OptionalFunctionOf<InitCommonControlsFunction>(INIT_COMMON_CONTROLS);
    if (initialise != NULL)
        initialise();
}

static void LoadCaptionAndCursor()
{
    SetupInstance = GetModuleHandleA(NULL);
    LoadStringA(SetupInstance, IDS_CAPTION, SetupCaption, sizeof SetupCaption);
    BusyCursor = LoadCursor(NULL, IDC_ARROW);
    SetCursor(BusyCursor);
}

static void VersionCheck() { (void)AskAboutWindowsVersion(NULL, JudgeWindowsVersion()); }
static void HelpViewerCheck() { (void)CheckHelpViewer(); }
static void RegistryWriteCheck() { (void)LacksRegistryWriteAccess(); }
static void RunningCopiesCheck() { (void)WaitForRunningCopies(); }
static void InstalledVersion()
{
    FileVersion version;
    ReadInstalledVersion(&version, NULL, 0);
}
static void FileManagerExtension() { (void)UnloadFileManagerExtension(); }
static void SourceFolderFound() { (void)FindSourceFolder(); }
// No companion installer lies beside setup in the typical run: no dialog.
static void CompanionOffer() { (void)OfferEmailCompanion(); }
static void ToolbarDecision() { (void)DecideToolbarOffer(); }

struct Step {
    const char* name;
    void (*run)();
};

static const Step Steps[] = {
    {"DLL search restricted", RestrictDllSearchToSystemFolder},
    {"common controls initialised", InitialiseCommonControls},
    {"caption and cursor", LoadCaptionAndCursor},
    {"JudgeWindowsVersion", VersionCheck},
    {"CheckHelpViewer", HelpViewerCheck},
    {"ClassifyWindows", ClassifyWindows},
    {"LacksRegistryWriteAccess", RegistryWriteCheck},
    {"PrepareBrowserAddOnEntries", PrepareBrowserAddOnEntries},
    {"WaitForRunningCopies", RunningCopiesCheck},
    {"ReadInstalledVersion", InstalledVersion},
    {"UnloadFileManagerExtension", FileManagerExtension},
    {"FindSourceFolder", SourceFolderFound},
    {"OfferEmailCompanion (checks)", CompanionOffer},
    {"DecideToolbarOffer", ToolbarDecision},
};
static const int StepCount = sizeof Steps / sizeof Steps[0];

static double Microseconds(void (*run)())
{
    LARGE_INTEGER start, end, frequency;
    QueryPerformanceCounter(&start);
    run();
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    return (end.QuadPart - start.QuadPart) * 1e6 / frequency.QuadPart;
}

int main(int argc, char** argv)
{
    int repetitions = argc > 1 ? atoi(argv[1]) : 1000;
    double first[StepCount];
    for (int i = 0; i < StepCount; ++i)
        first[i] = Microseconds(Steps[i].run);
    std::vector<std::vector<double>> times(StepCount);
    for (int round = 0; round < repetitions; ++round)
        for (int i = 0; i < StepCount; ++i)
            times[i].push_back(Microseconds(Steps[i].run));
    for (int i = 0; i < StepCount; ++i) {
        std::vector<double>& t = times[i];
        std::nth_element(t.begin(), t.begin() + t.size() / 2, t.end());
        printf("step\t%s\t%.1f\t%.1f\n", Steps[i].name, first[i], t.empty() ? 0.0 : t[t.size() / 2]);
    }
    return 0;
}
