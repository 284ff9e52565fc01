// Whole runs of setup as users live them: a machine described in a few
// words, the user's answers to each window in turn, and what came of it.
// The scenario tests check the outcomes; the demo plays any scenario and
// prints what happened.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "setup_run.h"

struct Machine {
    std::string windows = "winxp";                    // the version Wine reports to SETUP.EXE
    std::string defaultBrowser = "iexplore";          // "iexplore" or "firefox"
    std::vector<std::string> sourceFiles;             // fixtures beside SETUP.EXE (see PrepareSourceFolder)
    std::vector<std::string> partnerSettings;         // "program:Key=Value" for the recorder fixtures
    std::function<void()> prepare;                    // anything else the machine holds
};

struct Scenario {
    std::string name;
    std::string story;
    Machine machine;
    std::vector<Answer> answers;  // one per window, in the order they appear
};

struct Outcome {
    SetupResult run;
    std::vector<std::string> programs;   // partner programs that ran, in order, with their arguments
    std::vector<std::string> addresses;  // web addresses the shell was asked to open
};

const std::vector<Scenario>& AllScenarios();
const Scenario* FindScenario(const std::string& name);

// Makes the machine real in this prefix; returns SETUP.EXE's path in the
// source folder C:\Downloads.
std::string PrepareMachine(const Machine& machine);
// Makes the machine real and runs setup from C:\Downloads.
Outcome Play(const Scenario& scenario, const std::string& pictureFolder = "", bool userAnswers = false);

// The registry values setup may write, as text, one per line.
std::vector<std::string> RegistryWritten();
