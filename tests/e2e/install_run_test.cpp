// Whole runs of SETUP.EXE under Wine: the Windows Installer on the package
// beside it, the browser add-on entries, and the message when the package
// cannot be started. Each test has a Wine prefix of its own.
#include <gtest/gtest.h>
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
