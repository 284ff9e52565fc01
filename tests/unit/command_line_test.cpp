// Setup's own command line: the switches read from it, without regard to
// case, and where its arguments begin after the program's name.
#include <gtest/gtest.h>
#include <string>
#include "setup/command_line.h"

TEST(SetupSwitches, ReadWithoutRegardToCaseAndWhatIsNotUnderstoodIsNoted)
{
    struct Row {
        const char* arguments;
        int quiet, passive, noRestart, help, logPathMissing;
        const char* logPath;
        const char* unknownSwitch;
    } rows[] = {
        {"", 0, 0, 0, 0, 0, "", ""},
        {"/QUIET -NoRestart", 1, 0, 1, 0, 0, "", ""},
        {"-Passive", 1, 1, 0, 0, 0, "", ""},
        {"/log \"C:\\My Logs\\setup run.log\" /quiet", 1, 0, 0, 0, 0, "C:\\My Logs\\setup run.log", ""},
        {"/quiet /log", 1, 0, 0, 0, 1, "", ""},
        {"/log \"\" /passive", 1, 1, 0, 0, 1, "", ""},
        {"/log /quiet", 1, 0, 0, 0, 1, "", ""},
        {"/silent /quiet /verysilent", 1, 0, 0, 0, 0, "", "/silent"},
        {"/?", 0, 0, 0, 1, 0, "", ""},
        {"-HELP", 0, 0, 0, 1, 0, "", ""},
        {"quiet", 0, 0, 0, 0, 0, "", "quiet"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments);
        SetupOptions options;
        ReadSetupOptions(row.arguments, &options);
        EXPECT_EQ(row.quiet, options.quiet);
        EXPECT_EQ(row.passive, options.passive);
        EXPECT_EQ(row.noRestart, options.noRestart);
        EXPECT_EQ(row.help, options.help);
        EXPECT_EQ(row.logPathMissing, options.logPathMissing);
        EXPECT_STREQ(row.logPath, options.logPath);
        EXPECT_STREQ(row.unknownSwitch, options.unknownSwitch);
    }
    // A name one character too long for the buffer is refused, not cut.
    for (size_t length : {LOG_PATH_CHARS - 1, LOG_PATH_CHARS, LOG_PATH_CHARS + 40}) {
        SCOPED_TRACE(length);
        std::string arguments = "/quiet /log " + std::string(length, 'a');
        SetupOptions options;
        ReadSetupOptions(arguments.c_str(), &options);
        bool fits = length < LOG_PATH_CHARS;
        EXPECT_EQ(fits ? length : 0u, strlen(options.logPath));
        EXPECT_STREQ(fits ? "" : "/log", options.unknownSwitch);
    }
}

TEST(SetupSwitches, TheArgumentsFollowTheProgramNameQuotedOrNot)
{
    struct Row {
        const char* commandLine;
        const char* arguments;
    } rows[] = {
        {"\"C:\\Program Files\\Tarvex\\SETUP.EXE\" /quiet /log x", "/quiet /log x"},
        {"C:\\Downloads\\SETUP.EXE   /passive", "/passive"},
        {"\"C:\\A B\\SETUP.EXE\"/quiet", "/quiet"},
        {"SETUP.EXE", ""},
        {"\"C:\\A B\\SETUP.EXE /quiet", ""},
    };
    for (const Row& row : rows)
        EXPECT_STREQ(row.arguments, SkipProgramName(row.commandLine)) << row.commandLine;
}
