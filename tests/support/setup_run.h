// Runs SETUP.EXE the way a user does: from a source folder that holds it
// and whatever partner files the test puts beside it, answering its windows
// with an Autopilot. Paths and arguments are UTF-8 (see test_files.h). Each test program runs in a Wine prefix of its own, so
// the registry and drive C: are the test's to set up.
#pragma once
#include "ui_driver.h"
#include <string>
#include <vector>

// Files of the build: the fixtures folder, or the built SETUP.EXE.
std::string FixturePath(const std::string& relative);

// The SETUP.EXE under test: the built one, unless the environment variable
// TARVEX_SETUP_PROGRAM names another (a Windows path), so that a signed
// release goes through the same runs as the build it was made from.
const char* SetupProgramPath();

// Makes the folder and copies SETUP.EXE into it, then each file named: a
// fixture path relative to the fixtures folder, optionally "=newname".
std::string PrepareSourceFolder(const std::string& folder, const std::vector<std::string>& files);
bool CopyFixture(const std::string& relative, const std::string& target);

// Sets the Windows version Wine reports to a program ("winxp", "win98", ...).
void SetWindowsVersionFor(const char* program, const char* version);

// Registers the browser fixture as the handler of http addresses.
void RegisterRecordingBrowser();

struct SetupResult {
    bool ended = false;  // the program ended within the time limit
    DWORD exitCode = 0xdeadbeef;
    std::vector<SeenWindow> windows;
};

SetupResult RunSetupProgram(const std::string& program, const std::vector<Answer>& answers,
                            const std::string& currentFolder = "", DWORD timeoutMs = 60000,
                            const std::string& pictureFolder = "", bool userAnswers = false,
                            const std::string& arguments = "");

// What the recorder fixtures logged, one line each: name, arguments,
// "installed=yes|no" and "from=<full path>", separated by tabs.
std::vector<std::string> RecordedEvents();
// The recorded lines once `count` of them are there (programs started
// through the shell may log after setup has ended), or after the limit.
std::vector<std::string> EventsOnce(size_t count, DWORD timeoutMs = 8000);
// How many lines there are once `count` of them are there, or after the
// limit.
size_t WaitForEvents(size_t count);
// A recorded line without its "from=<path>" field.
std::string WithoutOrigin(const std::string& event);
// The names of the programs that ran, in order.
std::vector<std::string> RecordedPrograms();
void SetFixtureSetting(const char* program, const char* key, const char* value);

// The product as the Windows Installer left it.
bool ProductInstalled();
