// The run of setup from start to end: a straight sequence of steps on one
// thread, each of which may end the run.
#pragma once
#include <windows.h>
#include "setup/file_version.h"

// What the steps of one run learn and decide, for the later steps.
struct RunRecord {
    int companionAccepted;
    int toolbarOfferShown;
    int isFirefox;
    int toolbarInstalled;
    int toolbarChoice;
    int cleanerAccepted;
    int cleanerOffered;
    FileVersion versionBefore;
};

// The whole run. Always returns 0, the program's exit code.
int RunSetup(HINSTANCE instance);

// Steps of the run that live in files of their own.
void PrepareBrowserAddOnEntries();
LONG DeleteRegistryTree(HKEY root, const char* path);
void RunWindowsInstaller(RunRecord* run);
// The package's file name (string 1074) into a buffer of PACKAGE_NAME_CHARS;
// empty when the string is missing.
#define PACKAGE_NAME_CHARS 63
void LoadPackageName(char* package);
