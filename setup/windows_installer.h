// The product's own installation: the Windows Installer on the package
// beside setup, waited for without limit.
#pragma once
#include <windows.h>
#include "setup/run_record.h"

// The package's file name (string 1074) into a buffer of PACKAGE_NAME_CHARS;
// empty when the string is missing.
#define PACKAGE_NAME_CHARS 63
void LoadPackageName(char* package);

// What an exit code of the Windows Installer means for the rest of setup.
int ClassifyInstallerExit(DWORD exitCode);
// 1 when the product is on the machine after an installer that ended so.
int InstallerInstalledProduct(int outcome);

// Runs the installer and waits for it; tells the user when it could not be
// started.
InstallerResult RunWindowsInstaller();
