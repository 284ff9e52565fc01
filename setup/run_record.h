// What the steps of one run learn and decide, kept by the sequence and
// passed down to the steps that read it: the only channel between steps.
#pragma once
#include <windows.h>
#include "setup/file_version.h"
#include "offers/offer_outcome.h"
#include "setup/command_line.h"

// How the run ended, before the installer or with it.
enum RunEnding {
    RUN_THROUGH,                // the installer ran; its result decides
    RUN_PACKAGE_MISSING,        // the package is not beside setup (or cannot be named)
    RUN_INSTALLER_UNAVAILABLE,  // the Windows Installer could not be started
    RUN_WINDOWS_UNSUPPORTED,    // this Windows is refused
    RUN_ENDED_BY_USER,          // an offer closed, Cancel, or No to going on
    RUN_BLOCKED,                // Tarvex or its File Manager extension is in use
    RUN_LOG_FAILED,             // the log named could not be created
    RUN_BAD_SWITCH,             // a switch not understood in an unattended run
    RUN_FAILED,                 // any other end
};

// How the Windows Installer's run went, as the rest of setup reads it.
enum InstallerOutcome {
    INSTALLER_NOT_RUN,         // it was not reached, or could not be started
    INSTALLER_INSTALLED,       // 0
    INSTALLER_RESTART_NEEDED,  // 3010: installed; Windows must restart to finish
    INSTALLER_RESTARTING,      // 1641: installed, and it has started a restart
    INSTALLER_NOT_INSTALLED,   // any other code: failed or cancelled; it told the user
};

struct InstallerResult {
    InstallerOutcome outcome;
    DWORD exitCode;  // as the installer ended; nothing when it did not run
};

struct RunRecord {
    SetupOptions options;       // the switches setup was started with
    RunEnding ending;           // how the run ended
    FileVersion versionBefore;  // of the product installed before the run
    OfferOutcome companion;
    OfferOutcome toolbar;
    OfferOutcome cleaner;
    InstallerResult installer;
};
