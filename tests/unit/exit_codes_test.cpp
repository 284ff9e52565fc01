// What setup tells whoever started it: its exit code for each ending of the
// run, the installer's code passed on, and the installer's command line and
// log made from setup's switches.
#include <gtest/gtest.h>
#include <string>
#include "setup/command_line.h"
#include "setup/exit_codes.h"
#include "setup/run_record.h"
#include "setup/windows_installer.h"

TEST(InstallerExitCodes, OnlySuccessAndTheTwoRestartsLeaveTheProductInstalled)
{
    struct Row {
        DWORD exitCode;
        InstallerOutcome outcome;
        int installed;
    } rows[] = {
        {0, INSTALLER_INSTALLED, 1},          {3010, INSTALLER_RESTART_NEEDED, 1},
        {1641, INSTALLER_RESTARTING, 1},      {1602, INSTALLER_NOT_INSTALLED, 0},
        {1603, INSTALLER_NOT_INSTALLED, 0},   {1619, INSTALLER_NOT_INSTALLED, 0},
        {1618, INSTALLER_NOT_INSTALLED, 0},   {0xC0000005, INSTALLER_NOT_INSTALLED, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.exitCode);
        EXPECT_EQ(row.outcome, ClassifyInstallerExit(row.exitCode));
        EXPECT_EQ(row.installed, InstallerInstalledProduct(ClassifyInstallerExit(row.exitCode)));
    }
    EXPECT_EQ(0, InstallerInstalledProduct(INSTALLER_NOT_RUN));
}

TEST(InstallerExitCodes, EveryEndingOfSetupHasItsCodeAndTheInstallersIsPassedOn)
{
    struct Row {
        RunEnding ending;
        InstallerOutcome outcome;
        DWORD installerCode;
        DWORD exitCode;
    } rows[] = {
        {RUN_THROUGH, INSTALLER_INSTALLED, 0, 0},
        {RUN_THROUGH, INSTALLER_RESTART_NEEDED, 3010, 3010},
        {RUN_THROUGH, INSTALLER_RESTARTING, 1641, 1641},
        {RUN_THROUGH, INSTALLER_NOT_INSTALLED, 1602, 1602},
        {RUN_THROUGH, INSTALLER_NOT_INSTALLED, 1625, 1625},
        // A code the installer did not return is never passed on.
        {RUN_THROUGH, INSTALLER_NOT_RUN, 0, 1603},
        {RUN_PACKAGE_MISSING, INSTALLER_NOT_RUN, 0, 1619},
        {RUN_INSTALLER_UNAVAILABLE, INSTALLER_NOT_RUN, 0, 1601},
        {RUN_WINDOWS_UNSUPPORTED, INSTALLER_NOT_RUN, 0, 1150},
        {RUN_ENDED_BY_USER, INSTALLER_NOT_RUN, 0, 1602},
        {RUN_BLOCKED, INSTALLER_NOT_RUN, 0, 1618},
        {RUN_LOG_FAILED, INSTALLER_NOT_RUN, 0, 1622},
        {RUN_BAD_SWITCH, INSTALLER_NOT_RUN, 0, 1639},
        {RUN_FAILED, INSTALLER_NOT_RUN, 0, 1603},
        {(RunEnding)(RUN_FAILED + 1), INSTALLER_NOT_RUN, 0, 1603},
    };
    for (const Row& row : rows) {
        RunRecord run;
        ZeroMemory(&run, sizeof run);
        run.ending = row.ending;
        run.installer.outcome = row.outcome;
        run.installer.exitCode = row.installerCode;
        EXPECT_EQ(row.exitCode, SetupExitCode(&run)) << row.ending << " " << row.installerCode;
    }
}

TEST(InstallerExitCodes, TheInstallersLogIsNamedAfterSetupsInItsFolder)
{
    // "C:\logs\" and "-installer.log" around a name that leaves none or one too many.
    std::string fitting = "C:\\logs\\" + std::string(MAX_PATH - 1 - 8 - 14, 'a');
    std::string fittingLog = fitting + ".log", fittingInstallerLog = fitting + "-installer.log";
    std::string tooLong = fitting + "a.log";
    struct Row {
        const char* setupLog;
        const char* installerLog;  // NULL when it does not fit
    } rows[] = {
        {"C:\\logs\\setup.log", "C:\\logs\\setup-installer.log"},
        {"C:\\logs\\setup", "C:\\logs\\setup-installer.log"},
        {"C:\\my.logs\\setup", "C:\\my.logs\\setup-installer.log"},
        {"C:\\logs\\setup.run.txt", "C:\\logs\\setup.run-installer.log"},
        {"setup.log", "setup-installer.log"},
        {fittingLog.c_str(), fittingInstallerLog.c_str()},
        {tooLong.c_str(), NULL},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.setupLog);
        char path[MAX_PATH] = "";
        EXPECT_EQ(row.installerLog != NULL, InstallerLogPath(row.setupLog, path, sizeof path));
        if (row.installerLog != NULL)
            EXPECT_STREQ(row.installerLog, path);
    }
}

// Windows Installer 2.0 shows its usage box for an option it does not know
// and waits: every switch set must come out in the forms it has.
TEST(InstallerExitCodes, EverySwitchSetGivesTheInstallerOptionsOfWindowsInstaller2)
{
    std::string longLog = "C:\\logs\\" + std::string(MAX_PATH - 1 - 8 - 14, 'a') + ".log";
    std::string longInstallerLog = longLog.substr(0, longLog.size() - 4) + "-installer.log";
    struct Row {
        const char* arguments;
        std::string switches;
    } rows[] = {
        {"", ""},
        {"/quiet", " /qn"},
        {"/passive", " /qb!- REBOOTPROMPT=S"},
        {"/norestart", " REBOOT=ReallySuppress"},
        {"/quiet /norestart", " /qn REBOOT=ReallySuppress"},
        {"/passive /norestart", " /qb!- REBOOTPROMPT=S REBOOT=ReallySuppress"},
        {"/log C:\\setup.log", " /l*v \"C:\\setup-installer.log\""},
        {"/quiet /log \"C:\\My Logs\\setup.log\"", " /qn /l*v \"C:\\My Logs\\setup-installer.log\""},
        {"/passive /norestart /log C:\\logs\\setup.log",
         " /qb!- REBOOTPROMPT=S REBOOT=ReallySuppress /l*v \"C:\\logs\\setup-installer.log\""},
        {"/passive /norestart /log", " /qb!- REBOOTPROMPT=S REBOOT=ReallySuppress"},
    };
    std::string longest = "/passive /norestart /log " + longLog;
    std::string longestSwitches = " /qb!- REBOOTPROMPT=S REBOOT=ReallySuppress /l*v \"" + longInstallerLog + "\"";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments);
        SetupOptions options;
        ReadSetupOptions(row.arguments, &options);
        char commandLine[300 + INSTALLER_SWITCHES_CHARS] = "msiexec /i \"C:\\Downloads\\TARVEX140.MSI\"";
        ASSERT_EQ(1, AppendInstallerSwitches(commandLine, sizeof commandLine, &options));
        EXPECT_EQ("msiexec /i \"C:\\Downloads\\TARVEX140.MSI\"" + row.switches, commandLine);
    }
    // The longest switches fit beside the longest package path.
    SetupOptions options;
    ReadSetupOptions(longest.c_str(), &options);
    std::string package = "msiexec /i \"" + std::string(299 - 14, 'p') + "\"";
    char commandLine[300 + INSTALLER_SWITCHES_CHARS];
    strcpy(commandLine, package.c_str());
    ASSERT_EQ(1, AppendInstallerSwitches(commandLine, sizeof commandLine, &options));
    EXPECT_EQ(package + longestSwitches, commandLine);
}
