// Whole runs of SETUP.EXE under Wine: the Windows Installer on the package
// beside it, the browser add-on entries, and the message when the package
// cannot be started. Each test has a Wine prefix of its own.
#include <gtest/gtest.h>
#include "fixture_process.h"
#include "registry_sandbox.h"
#include "setup_run.h"
#include "wine_limits.h"

static const char* Compatibility = "Software\\Microsoft\\Internet Explorer\\ActiveX Compatibility";
static const char* AddOnA = "{A09AE68F-B14D-43ED-B713-BA413F034904}";
static const char* AddOnB = "{F3834A2B-19CF-4A90-BE1D-ECC410D9DA09}";

static std::string Join(const char* a, const char* b)
{
    return std::string(a) + "\\" + b;
}

TEST(SetupRun, InstallsThePackageBesideItAndWritesTheAddOnEntries)
{
    SetText(HKEY_LOCAL_MACHINE, Compatibility, "", "");
    std::string categories = std::string("CLSID\\") + AddOnA + "\\Implemented Categories";
    SetText(HKEY_CLASSES_ROOT, (categories + "\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}\\Deeper").c_str(), "", "x");
    SetText(HKEY_CLASSES_ROOT, (std::string("CLSID\\") + AddOnA + "\\InprocServer32").c_str(), "", "keep.dll");

    std::string setup = PrepareSourceFolder("C:\\Downloads\\Tarvex Setup", {"product-14.0\\TARVEX140.MSI"});
    SetupResult run = RunSetupProgram(setup, {});

    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(0u, run.windows.size());
    EXPECT_TRUE(ProductInstalled());
    std::string installed = GetText(HKEY_LOCAL_MACHINE,
                                    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tarvex32.exe", "");
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(installed.c_str())) << installed;

    EXPECT_EQ(0x400u, GetNumber(HKEY_LOCAL_MACHINE, Join(Compatibility, AddOnA).c_str(), "Compatibility Flags"));
    EXPECT_EQ(0x400u, GetNumber(HKEY_LOCAL_MACHINE, Join(Compatibility, AddOnB).c_str(), "Compatibility Flags"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, categories.c_str()));
    EXPECT_EQ("keep.dll", GetText(HKEY_CLASSES_ROOT, (std::string("CLSID\\") + AddOnA + "\\InprocServer32").c_str(), ""));
}

TEST(SetupRun, AMissingPackageIsReportedAndSetupEnds)
{
    std::string setup = PrepareSourceFolder("C:\\Downloads", {});
    SetupResult run = RunSetupProgram(setup, {Press(IDOK)});

    ASSERT_TRUE(run.ended);
    EXPECT_EQ(1619u, run.exitCode);  // the package could not be opened
    ASSERT_EQ(1u, run.windows.size());
    EXPECT_EQ("Tarvex Setup", run.windows[0].caption);
    EXPECT_EQ("Setup was unable to start the following installation file C:\\Downloads\\TARVEX140.MSI",
              run.windows[0].text);
    ExpectIcon(MB_ICONWARNING, run.windows[0]);
    EXPECT_FALSE(ProductInstalled());
}

TEST(SetupRun, AWindowsInstallerThatCannotStartIsReported)
{
    ASSERT_TRUE(DeleteFileA("C:\\windows\\system32\\msiexec.exe"));
    std::string setup = PrepareSourceFolder("C:\\Downloads", {"product-14.0\\TARVEX140.MSI"});
    SetupResult run = RunSetupProgram(setup, {Press(IDOK)});

    ASSERT_TRUE(run.ended);
    ASSERT_EQ(1u, run.windows.size());
    EXPECT_EQ("Setup was unable to start the following installation file C:\\Downloads\\TARVEX140.MSI",
              run.windows[0].text);
    EXPECT_FALSE(ProductInstalled());
}

TEST(SetupRun, FromTheRootOfADriveThePackageIsNamedInTheRoot)
{
    std::string setup = PrepareSourceFolder("C:", {"product-14.0\\TARVEX140.MSI"});
    SetupResult run = RunSetupProgram(setup, {});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.windows.size());
    EXPECT_TRUE(ProductInstalled());
}

TEST(SetupRun, WithoutTheCompatibilityKeyNothingIsCreated)
{
    DeleteTree(HKEY_LOCAL_MACHINE, Compatibility);
    std::string setup = PrepareSourceFolder("C:\\Downloads", {"product-14.0\\TARVEX140.MSI"});
    SetupResult run = RunSetupProgram(setup, {});
    ASSERT_TRUE(run.ended);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, Compatibility));
    EXPECT_TRUE(ProductInstalled());
}

TEST(SetupRun, StartedFromAnotherFolderItStillUsesItsOwn)
{
    std::string setup = PrepareSourceFolder("C:\\Downloads", {"product-14.0\\TARVEX140.MSI"});
    CreateDirectoryA("C:\\Elsewhere", NULL);
    SetupResult run = RunSetupProgram(setup, {}, "C:\\Elsewhere");
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.windows.size());
    EXPECT_TRUE(ProductInstalled());
}

TEST(SetupRun, AnMsiexecBesideSetupIsNeverRun)
{
    std::string setup = PrepareSourceFolder("C:\\Downloads", {"product-14.0\\TARVEX140.MSI", "recorder.exe=msiexec.exe"});
    SetupResult run = RunSetupProgram(setup, {});
    ASSERT_TRUE(run.ended);
    EXPECT_TRUE(ProductInstalled());
    EXPECT_TRUE(RecordedPrograms().empty());
}

// Index of the first line at or after `from` that holds the text; the
// number of lines when there is none.
static size_t LineWith(const std::vector<std::string>& lines, const std::string& text, size_t from = 0)
{
    while (from < lines.size() && lines[from].find(text) == std::string::npos)
        ++from;
    return from;
}

// A deployment engine retries after the package was missing (1619): the
// second run's lines follow the first's, each run begins with its own line,
// and a viewer reads the log while setup is still writing it.
TEST(SetupRun, ARetryAddsItsLinesToTheLogThatOthersCanReadMeanwhile)
{
    CreateDirectoryA("C:\\logs", NULL);
    const char* arguments = "/quiet /log C:\\logs\\setup.log";
    SetupResult first = RunSetupProgram(PrepareSourceFolder("C:\\Downloads", {}), {}, "", 60000, "", false, arguments);
    ASSERT_TRUE(first.ended);
    EXPECT_EQ(1619u, first.exitCode);

    WindowsInstallerStandIn();
    SetFixtureSetting("msiexec.exe", "ReadFile", "C:\\logs\\setup.log");
    SetupResult second = RunSetupProgram(PrepareSourceFolder("C:\\Downloads", {"product-14.0\\TARVEX140.MSI"}), {},
                                         "", 60000, "", false, arguments);
    ASSERT_TRUE(second.ended);
    EXPECT_EQ(0u, second.exitCode);

    std::vector<std::string> lines = ReadTextLines("C:\\logs\\setup.log");
    size_t firstStart = LineWith(lines, "Tarvex Setup started with: " + std::string(arguments));
    size_t firstEnd = LineWith(lines, "exit code 1619", firstStart);
    size_t secondStart = LineWith(lines, "Tarvex Setup started with: ", firstEnd);
    size_t secondEnd = LineWith(lines, "exit code 0", secondStart);
    EXPECT_EQ(0u, firstStart);
    EXPECT_LT(firstEnd, secondStart);
    EXPECT_LT(secondEnd, lines.size());

    // What the stand-in read while setup waited for it with the log open.
    std::vector<std::string> read = ReadTextLines("C:\\logs\\setup.log.read");
    EXPECT_LT(LineWith(read, "exit code 1619"), LineWith(read, "Windows Installer: msiexec /i"));
    EXPECT_LT(LineWith(read, "Windows Installer: msiexec /i"), read.size());
    EXPECT_EQ(read.size(), LineWith(read, "exit code 0"));  // not written yet
}
