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
int ClassifyInstallerExit(DWORD exitCode);
// 1 when the product is on the machine after an installer that ended so.
int InstallerInstalledProduct(int outcome);

// Runs the installer with the switches the options ask for, and waits for
// it; tells the user when it could not be started. The result's exit code
// is the one setup ends with after it.
InstallerResult RunWindowsInstaller(const SetupOptions* options);
// Appends to the installer's command line the switches that carry out the
// options, in forms every Windows Installer from 2.0 on accepts; 0 when
// they do not fit. INSTALLER_SWITCHES_CHARS holds the longest.
#define INSTALLER_SWITCHES_CHARS (64 + MAX_PATH)
int AppendInstallerSwitches(char* commandLine, size_t size, const SetupOptions* options);
// The name of the installer's own log beside setup's: "setup.log" gives
// "setup-installer.log". 0 when it does not fit.
int InstallerLogPath(const char* setupLog, char* path, size_t pathSize);
