// Setup started from a folder that also holds programs and DLLs planted
// under system names: none of them may run or be loaded.
#include <gtest/gtest.h>
#include "registry_sandbox.h"
#include "setup_run.h"

static const char* PlantedDlls[] = {"version.dll", "uxtheme.dll", "hhctrl.ocx"};

static std::string MarkOf(const char* name)
{
    return std::string("C:\\planted-") + name + ".mark";
}

static bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Wine takes a DLL of a system name from the program's folder only when its
// load order allows native copies, as Windows always does. version.dll is
// left out of the setup run: Wine's own user32 imports it, so under such an
// override it is loaded while the process starts, before any code of the
// program runs (Windows' user32 imports no version.dll). That setup itself
// never imports it, and loads it by full path, the import test shows.
static void AllowNativeCopiesOf(const std::vector<const char*>& names)
{
    for (const char* name : names) {
        std::string module = name;
        if (module.size() > 4 && module.compare(module.size() - 4, 4, ".dll") == 0)
            module.resize(module.size() - 4);
        SetText(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", module.c_str(), "native,builtin");
    }
}

static std::string PrepareFolderWithPlants()
{
    std::vector<std::string> files = {"product-14.0\\TARVEX140.MSI", "recorder.exe=msiexec.exe"};
    for (const char* name : PlantedDlls)
        files.push_back(std::string("planted\\") + name);
    return PrepareSourceFolder("C:\\Downloads", files);
}

// The control experiment: a program that does not restrict its DLL search
// does load the planted copies, so the run below proves something.
TEST(PlantedFiles, AnUnprotectedProgramInTheSameFolderLoadsThem)
{
    AllowNativeCopiesOf({"version.dll", "uxtheme.dll", "hhctrl.ocx"});
    PrepareFolderWithPlants();
    ASSERT_TRUE(CopyFixture("search_probe.exe", "C:\\Downloads\\search_probe.exe"));
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process;
    char commandLine[] = "C:\\Downloads\\search_probe.exe version.dll uxtheme.dll hhctrl.ocx";
    ASSERT_TRUE(CreateProcessA(NULL, commandLine, NULL, NULL, FALSE, 0, NULL, "C:\\", &startup, &process));
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (const char* name : PlantedDlls)
        EXPECT_TRUE(Exists(MarkOf(name))) << name;
}

TEST(PlantedFiles, SetupNeitherRunsNorLoadsThem)
{
    AllowNativeCopiesOf({"uxtheme.dll", "hhctrl.ocx"});
    std::string setup = PrepareFolderWithPlants();
    SetupResult run = RunSetupProgram(setup, {});

    ASSERT_TRUE(run.ended);
    EXPECT_EQ(0u, run.windows.size()) << (run.windows.empty() ? "" : run.windows[0].caption);
    EXPECT_TRUE(ProductInstalled());
    EXPECT_TRUE(RecordedPrograms().empty());
    for (const char* name : PlantedDlls)
        EXPECT_FALSE(Exists(MarkOf(name))) << name;
}
