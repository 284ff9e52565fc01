#include "setup/windows_installer.h"
#include "setup/exit_codes.h"
#include "text/run_log.h"
#include "platform/globals.h"
#include "text/bounded.h"
#include "text/messages.h"
#include "text/paths.h"
#include "platform/system_library.h"
#include "platform/owned.h"
#include "resources/resource.h"

// The command line as setup has always given it, and room for the switches
// of an unattended run and the installer's own log.
#define INSTALLER_COMMAND_CHARS 300
#define INSTALLER_COMMAND_WITH_SWITCHES_CHARS (INSTALLER_COMMAND_CHARS + INSTALLER_SWITCHES_CHARS)

// Answers whether the installer could be started; its exit code is put
// into *exitCode (a failure when it cannot be read).
static int StartAndWait(char* commandLine, DWORD* exitCode)
{
    // The system's own msiexec.exe by full path: an msiexec.exe lying beside
    // setup must never run instead. The command line stays as users see it.
    char application[MAX_PATH];
    if (!SystemFilePath("msiexec.exe", application, sizeof application))
        return 0;
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    BusyCursorShown busy;
    if (!CreateProcessA(application, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
        return 0;
    OwnedHandle installer(process.hProcess);
    OwnedHandle thread(process.hThread);
    WaitForSingleObject(installer, INFINITE);
    if (!GetExitCodeProcess(installer, exitCode))
        *exitCode = ERROR_INSTALL_FAILURE;
    return 1;
}

InstallerOutcome ClassifyInstallerExit(DWORD exitCode)
{
    switch (exitCode) {
    case ERROR_SUCCESS:
        return INSTALLER_INSTALLED;
    case ERROR_SUCCESS_REBOOT_REQUIRED:
        return INSTALLER_RESTART_NEEDED;
    case ERROR_SUCCESS_REBOOT_INITIATED:
        return INSTALLER_RESTARTING;
    default:
        return INSTALLER_NOT_INSTALLED;
    }
}

int InstallerInstalledProduct(InstallerOutcome outcome)
{
    return outcome == INSTALLER_INSTALLED || outcome == INSTALLER_RESTART_NEEDED || outcome == INSTALLER_RESTARTING;
}

void LoadPackageName(char* package)
{
    (void)LoadSetupString(IDS_PACKAGE_NAME, package, PACKAGE_NAME_CHARS);
}

// The installer's verbose log lies beside setup's own: "setup.log" gives
// "setup-installer.log". 0 when the name does not fit.
int InstallerLogPath(const char* setupLog, char* path, size_t pathSize)
{
    if (CopyBounded(path, pathSize, setupLog) != BOUNDED_OK)
        return 0;
    char* separator = FindLastSeparator(path);
    char* extension = NULL;
    for (char* c = separator != NULL ? separator : path; *c != '\0'; c = CharNextA(c))
        if (*c == '.')
            extension = c;
    if (extension != NULL)
        *extension = '\0';
    return AppendBounded(path, pathSize, "-installer.log") == BOUNDED_OK;
}

// Only the options of Windows Installer 2.0 (Windows 98, Me, 2000 and XP
// before Service Pack 2 may have no later one): it does not know /quiet,
// /passive or /norestart, and answers an option it does not know with its
// usage box. /passive is basic progress without Cancel or a final box, with
// a restart made without asking, as msiexec 3.0 spells it out.
int AppendInstallerSwitches(char* commandLine, size_t size, const SetupOptions* options)
{
    bool fits = true;
    if (options->quiet)
        fits = AppendBounded(commandLine, size, options->passive ? " /qb!- REBOOTPROMPT=S" : " /qn") == BOUNDED_OK;
    if (options->noRestart)
        fits = fits && AppendBounded(commandLine, size, " REBOOT=ReallySuppress") == BOUNDED_OK;
    if (options->logPath[0] != '\0') {
        char installerLog[MAX_PATH];
        fits = fits && InstallerLogPath(options->logPath, installerLog, sizeof installerLog) &&
               AppendBounded(commandLine, size, " /l*v \"") == BOUNDED_OK &&
               AppendBounded(commandLine, size, installerLog) == BOUNDED_OK &&
               AppendBounded(commandLine, size, "\"") == BOUNDED_OK;
    }
    return fits;
}

RunEnding RunWindowsInstaller(const SetupOptions* options, InstallerResult* result)
{
    char package[PACKAGE_NAME_CHARS];
    LoadPackageName(package);

    // A command line cut short would name another file: it is not started.
    char commandLine[INSTALLER_COMMAND_WITH_SWITCHES_CHARS];
    bool complete = SourceFolder[0] != '\0' &&
                    FormatBounded(commandLine, INSTALLER_COMMAND_CHARS, "msiexec /i \"%s%s\"", SourceFolder, package) ==
                        BOUNDED_OK &&
                    AppendInstallerSwitches(commandLine, sizeof commandLine, options);

    // Without its package the Windows Installer could only fail: the user
    // is told which file setup looked for instead.
    bool present = FoundInSourceFolder(package);

    result->outcome = INSTALLER_NOT_RUN;
    if (!complete || !present) {
        LogStep("Windows Installer not started: the package %s%s is %s", SourceFolder, package,
                present ? "named by a path too long" : "missing");
        return RUN_PACKAGE_MISSING;
    }
    LogStep("Windows Installer: %s", commandLine);
    if (!StartAndWait(commandLine, &result->exitCode)) {
        LogStep("Windows Installer could not be started (error %lu)", GetLastError());
        return RUN_INSTALLER_UNAVAILABLE;
    }
    result->outcome = ClassifyInstallerExit(result->exitCode);
    LogStep("Windows Installer ended with %lu", result->exitCode);
    return RUN_THROUGH;
}
