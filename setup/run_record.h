// What the steps of one run learn and decide, kept by the sequence and
// passed down to the steps that read it: the only channel between steps.
#pragma once
#include <windows.h>
#include "setup/file_version.h"
#include "platform/offer_outcome.h"
#include "setup/command_line.h"

// How the Windows Installer's run ended, as the rest of setup reads it.
enum InstallerOutcome {
    INSTALLER_NOT_STARTED,     // it could not be started; the user was told
    INSTALLER_INSTALLED,       // 0
    INSTALLER_RESTART_NEEDED,  // 3010: installed; Windows must restart to finish
    INSTALLER_RESTARTING,      // 1641: installed, and it has started a restart
    INSTALLER_NOT_INSTALLED,   // any other code: failed or cancelled; it told the user
};

struct InstallerResult {
    int outcome;
    DWORD exitCode;  // as the installer ended; 0 when it did not start
};

struct RunRecord {
    SetupOptions options;       // the switches setup was started with
    int ending;                 // how the run ended (RunEnding)
    FileVersion versionBefore;  // of the product installed before the run
    OfferOutcome companion;
    OfferOutcome toolbar;
    OfferOutcome cleaner;
    InstallerResult installer;
};
