// The exit code that tells a deployment engine how the run ended. Codes are
// the Windows Installer's own, so that an engine reads them as it reads
// msiexec's: the installer's code is passed on whenever it ran.
#pragma once
#include <windows.h>
#include "setup/run_record.h"

#define EXIT_INSTALLED ERROR_SUCCESS
#define EXIT_WINDOWS_UNSUPPORTED ERROR_OLD_WIN_VERSION          // 1150
#define EXIT_INSTALLER_UNAVAILABLE ERROR_INSTALL_SERVICE_FAILURE  // 1601
#define EXIT_ENDED_BY_USER ERROR_INSTALL_USEREXIT               // 1602
#define EXIT_FAILED ERROR_INSTALL_FAILURE                       // 1603
#define EXIT_BLOCKED ERROR_INSTALL_ALREADY_RUNNING              // 1618: try again later
#define EXIT_PACKAGE_MISSING ERROR_INSTALL_PACKAGE_OPEN_FAILED  // 1619
#define EXIT_LOG_FAILED ERROR_INSTALL_LOG_FAILURE               // 1622
#define EXIT_BAD_SWITCH ERROR_INVALID_COMMAND_LINE              // 1639

// The code for the record of a whole run: the installer's own wherever it
// ran, else the one for how the run ended.
DWORD SetupExitCode(const RunRecord* run);
