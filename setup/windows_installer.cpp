#include "setup/windows_installer.h"
#include "text/globals.h"
#include "text/text.h"
#include "text/owned.h"
#include "resources/resource.h"

#define INSTALLER_COMMAND_CHARS 300

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

int ClassifyInstallerExit(DWORD exitCode)
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

int InstallerInstalledProduct(int outcome)
{
    return outcome == INSTALLER_INSTALLED || outcome == INSTALLER_RESTART_NEEDED || outcome == INSTALLER_RESTARTING;
}

void LoadPackageName(char* package)
{
    if (LoadStringA(SetupInstance, IDS_PACKAGE_NAME, package, PACKAGE_NAME_CHARS) <= 0)
        package[0] = '\0';
}

InstallerResult RunWindowsInstaller()
{
    char package[PACKAGE_NAME_CHARS];
    LoadPackageName(package);

    // A command line cut short would name another file: it is not started.
    char commandLine[INSTALLER_COMMAND_CHARS];
    bool complete = SourceFolder[0] != '\0' &&
                    FormatBounded(commandLine, sizeof commandLine, "msiexec /i \"%s%s\"", SourceFolder, package) ==
                        BOUNDED_OK;

    // Without its package the Windows Installer could only fail: the user
    // is told which file setup looked for instead.
    bool present = FoundInSourceFolder(package);

    InstallerResult result = {INSTALLER_NOT_STARTED, 0};
    if (complete && present && StartAndWait(commandLine, &result.exitCode)) {
        result.outcome = ClassifyInstallerExit(result.exitCode);
        return result;
    }
    ShowMessage(NULL, IDS_PACKAGE_NOT_STARTED, MB_ICONWARNING, SourceFolder, package);
    return result;
}
