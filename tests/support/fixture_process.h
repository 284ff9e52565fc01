// Fixture programs that play other software on the machine while setup or
// a check runs: started, waited for until their window is there, and ended.
#pragma once
#include <windows.h>
#include <string>
#include "test_files.h"

struct FixtureProcess {
    PROCESS_INFORMATION info = {};
    bool started = false;
};

// Starts a fixture by a command line whose first word is a file of the
// fixtures folder, e.g. "tvxwindow.exe class TarvexWClass".
FixtureProcess StartFixture(const std::string& program, const std::string& arguments);
// Ends it if it is still running and releases its handles.
void EndFixture(FixtureProcess& process);

// A top-level window by class and/or title, waited for; NULL after the limit.
HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs = 10000);
// Asks the window to close and waits until no such window is left.
bool CloseAndWaitUntilGone(const char* className, const char* title);

// Lines of C:\tarvex-events.log that begin with the given text.
bool EventLogged(const std::string& prefix);

// Puts a stand-in of the HTML Help control of ours (fixtures folder
// "help-<variant>") where the system keeps it and has Wine read the file
// instead of its own control; an empty variant leaves no control at all.
void InstallHelpControl(const char* variant);
// Has Wine read files named hhctrl.ocx as they are (it otherwise answers
// with its own control whatever the file holds).
void ReadHelpControlFiles();
// Wine's own control again (the file in the system folder is left alone).
void UseWinesHelpControl();

// The recorder in place of the Windows Installer, ending with the code set
// for msiexec.exe in the fixture settings (Wine runs a program of ours there
// under that name only when told to take the native one).
void WindowsInstallerStandIn();
