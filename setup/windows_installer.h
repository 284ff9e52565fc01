// The product's own installation: the Windows Installer on the package
// beside setup, waited for without limit.
#pragma once
#include <windows.h>
#include "setup/run_record.h"
#include "setup/command_line.h"

// The package's file name (string 1074) into a buffer of PACKAGE_NAME_CHARS;
// empty when the string is missing.
#define PACKAGE_NAME_CHARS 63
void LoadPackageName(char* package);

// What an exit code of the Windows Installer means for the rest of setup.
InstallerOutcome ClassifyInstallerExit(DWORD exitCode);
// 1 when the product is on the machine after an installer that ended so.
int InstallerInstalledProduct(InstallerOutcome outcome);

// Runs the installer on the package in SourceFolder with the switches the
// options ask for, and waits for it. RUN_THROUGH when it ran (its result is
// in *result); RUN_PACKAGE_MISSING or RUN_INSTALLER_UNAVAILABLE when it
// could not be started, which the caller tells the user.
RunEnding RunWindowsInstaller(const SetupOptions* options, InstallerResult* result);
// Appends to the installer's command line the switches that carry out the
// options, in forms every Windows Installer from 2.0 on accepts; 0 when
// they do not fit. INSTALLER_SWITCHES_CHARS holds the longest.
#define INSTALLER_SWITCHES_CHARS (64 + MAX_PATH)
int AppendInstallerSwitches(char* commandLine, size_t size, const SetupOptions* options);
// The name of the installer's own log beside setup's: "setup.log" gives
// "setup-installer.log". 0 when it does not fit.
int InstallerLogPath(const char* setupLog, char* path, size_t pathSize);
