// The exit code that tells a deployment engine how the run ended. Codes are
// the Windows Installer's own, so that an engine reads them as it reads
// msiexec's: the installer's code is passed on whenever it ran.
#pragma once
#include <windows.h>
#include "setup/run_record.h"

#define EXIT_INSTALLED 0
#define EXIT_WINDOWS_UNSUPPORTED 1150   // ERROR_OLD_WIN_VERSION
#define EXIT_INSTALLER_UNAVAILABLE 1601  // ERROR_INSTALL_SERVICE_FAILURE
#define EXIT_ENDED_BY_USER 1602          // ERROR_INSTALL_USEREXIT
#define EXIT_FAILED 1603                 // ERROR_INSTALL_FAILURE
#define EXIT_BLOCKED 1618                // ERROR_INSTALL_ALREADY_RUNNING: try again later
#define EXIT_PACKAGE_MISSING 1619        // ERROR_INSTALL_PACKAGE_OPEN_FAILED
#define EXIT_LOG_FAILED 1622             // ERROR_INSTALL_LOG_FAILURE
#define EXIT_BAD_SWITCH 1639             // ERROR_INVALID_COMMAND_LINE

// How the run ended before or after the installer.
enum RunEnding {
    RUN_THROUGH,              // it reached the installer, whose result decides
    RUN_WINDOWS_UNSUPPORTED,  // this Windows is refused
    RUN_ENDED_BY_USER,        // an offer closed, Cancel, or No to going on
    RUN_BLOCKED,              // Tarvex or its File Manager extension is in use
    RUN_LOG_FAILED,           // the log named could not be created
    RUN_BAD_SWITCH,           // a switch not understood in an unattended run
    RUN_FAILED,               // any other end
};

DWORD SetupExitCode(int ending, const InstallerResult* installer);
