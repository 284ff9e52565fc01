// Whole runs of setup as users live them: a machine described in a few
// words, the user's answers to each window in turn, and what must come of
// it. The scenario tests check the outcomes; the demo plays any scenario and
// prints what happened.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "setup_run.h"

// The machine setup runs on, made real in the Wine prefix of the run.
struct Machine {
    std::string windows = "winxp";            // the version Wine reports to SETUP.EXE
    std::string defaultBrowser = "iexplore";  // "iexplore" or "firefox"
    std::string sourceFolder = "C:\\Downloads";  // where SETUP.EXE runs from
    std::vector<std::string> sourceFiles;     // fixtures beside SETUP.EXE (see PrepareSourceFolder)
    std::vector<std::string> partnerSettings; // "program:Key=Value" for the fixtures' settings
    std::vector<std::function<void()>> extras;

    Machine& Windows(const char* version) { windows = version; return *this; }
    Machine& Browser(const char* browser) { defaultBrowser = browser; return *this; }
    Machine& From(const std::string& folder) { sourceFolder = folder; return *this; }
    Machine& Beside(std::vector<std::string> files);
    Machine& Partner(const char* setting) { partnerSettings.push_back(setting); return *this; }
    Machine& With(std::function<void()> extra) { extras.push_back(extra); return *this; }
};

// A window the user must see: a dialog of setup's resources, or a message
// of its string table with its icon and the values put into its text.
struct ExpectedWindow {
    int dialog = 0;
    UINT message = 0;
    UINT icon = 0;
    std::vector<std::string> values;
};
ExpectedWindow Dialog(int id);
ExpectedWindow Message(UINT id, UINT icon, std::vector<std::string> values = {});

struct Expected {
    std::vector<ExpectedWindow> windows;
    // Partner programs in the order they ran, with their arguments,
    // whether the product was installed by then and an error mode other
    // than the default: "duzorizu32.exe /tbie (before the product)",
    // "msiexec.exe /i ... /qn (before the product, error mode 0x8001)".
    std::vector<std::string> programs;
    bool productInstalled = false;
    bool addOnEntriesWritten = true;  // the browser add-on compatibility flags
    bool machineKeysAsPlanted = false;  // StandardUserMachineKeys' keys as they were made
    std::vector<std::string> pages;   // pages of the offer's links opened, by their "param=" value
    std::string report;               // "3pa=...&bm=..." of the completion report, or "" for none
    DWORD exitCode = 0;
    std::vector<std::string> logged;  // texts each found in a line of the log, in order
    std::string logFile = "C:\\logs\\setup.log";
    std::string fileManagerExtension; // the Tarvex= entry of winfile.ini's [AddOns] after the run, if checked

    Expected& Shows(std::vector<ExpectedWindow> shown) { windows = shown; return *this; }
    Expected& Runs(std::vector<std::string> started) { programs = started; return *this; }
    Expected& Installs() { productInstalled = true; return *this; }
    Expected& EndsBeforeTheRegistryWork() { addOnEntriesWritten = false; return *this; }
    Expected& IsRefusedEveryMachineWrite() { addOnEntriesWritten = false; machineKeysAsPlanted = true; return *this; }
    Expected& Opens(std::vector<std::string> linkPages) { pages = linkPages; return *this; }
    Expected& Reports(const char* query) { report = query; return *this; }
    Expected& EndsWith(DWORD code) { exitCode = code; return *this; }
    Expected& Logs(std::vector<std::string> lines) { logged = lines; return *this; }
    Expected& LogsTo(const std::string& file, std::vector<std::string> lines) { logFile = file; return Logs(lines); }
    Expected& LeavesFileManagerExtension(const char* path) { fileManagerExtension = path; return *this; }
};

// Folders are named in UTF-8, with any characters. Where one holds a
// character the ANSI code page lacks, setup can only name it by its short
// form: an expected program's command line or a line of the log that names
// the source folder or the log's folder means that short form.
struct Scenario {
    std::string name;
    std::string story;
    Machine machine;
    std::vector<Answer> answers;  // one per window, in the order they appear
    Expected expected;
    std::string arguments;        // setup's command line after its name; none by default
};

struct Outcome {
    SetupResult run;
    std::vector<std::string> programs;   // as in Expected::programs
    std::vector<std::string> addresses;  // web addresses the shell was asked to open
    std::vector<std::string> plantedLoaded;  // marks left by DLLs planted beside setup (none may be)
};

const std::vector<Scenario>& AllScenarios();
const Scenario* FindScenario(const std::string& name);

// Makes the machine real in this prefix; returns SETUP.EXE's path in its
// source folder.
std::string PrepareMachine(const Machine& machine);
// Makes the machine real, runs setup from its source folder, and waits for the
// programs it started.
Outcome Play(const Scenario& scenario, const std::string& pictureFolder = "", bool userAnswers = false);

// The registry values setup may write, as text, one per line.
std::vector<std::string> RegistryWritten();
bool AddOnEntriesWritten();
// The machine-wide keys of a standard user of Windows Vista to 11, where
// setup's manifest turns registry virtualisation off and every write there
// is refused; and whether they are as they were made, with nothing added.
void StandardUserMachineKeys();
bool MachineKeysAsPlanted();
// The completion report's address for a query part ("3pa=...&bm=...").
std::string ReportAddress(const std::string& query);
// The addresses the shell must be asked to open, in order: the pages of the
// offer's links, then the completion report.
std::vector<std::string> ExpectedAddresses(const Expected& expected);
// The text a user sees for an expected window, and how it is told apart;
// a message box's icon only where the build can read it.
std::string Describe(const ExpectedWindow& window, bool withIcon = true);
std::string Describe(const SeenWindow& window, bool withIcon = true);
