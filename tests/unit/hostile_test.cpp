// The cases of a hostile machine that a whole run cannot set up cheaply:
// version reads of files that are empty, folders, locked or oversized (the
// help control and the installed program), and an installed program named
// by an App Paths value that is unusable.
#include <gtest/gtest.h>
#include <string>
#include "setup/file_version.h"
#include "setup/report.h"
#include "registry_sandbox.h"
#include "setup_run.h"
#include "setup/installed_version.h"

static const char* AppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tarvex32.exe";

static bool MakeFileOfSize(const char* path, LONG size)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool made = SetFilePointer(file, size, NULL, FILE_BEGIN) != INVALID_SET_FILE_POINTER && SetEndOfFile(file);
    CloseHandle(file);
    return made;
}

TEST(HostileFiles, NoVersionIsReadFromEmptyLockedFolderOrOversizedFiles)
{
    CreateDirectoryA("C:\\Hostile", NULL);
    ASSERT_TRUE(MakeFileOfSize("C:\\Hostile\\empty.ocx", 0));
    ASSERT_TRUE(CreateDirectoryA("C:\\Hostile\\folder.ocx", NULL));
    ASSERT_TRUE(MakeFileOfSize("C:\\Hostile\\oversized.ocx", 64 * 1024 * 1024));
    ASSERT_TRUE(CopyFixture("help-4.72.7325.0\\hhctrl.ocx", "C:\\Hostile\\locked.ocx"));
    FileVersion version;
    ASSERT_EQ(1, ReadFileVersion("C:\\Hostile\\locked.ocx", &version)) << "readable while nobody holds it";
    HANDLE locked = CreateFileA("C:\\Hostile\\locked.ocx", GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);

    for (const char* path : {"C:\\Hostile\\empty.ocx", "C:\\Hostile\\folder.ocx", "C:\\Hostile\\oversized.ocx",
                             "C:\\Hostile\\locked.ocx"}) {
        version.high = version.low = 0xdeadbeef;
        EXPECT_EQ(0, ReadFileVersion(path, &version)) << path;
        EXPECT_EQ(0u, version.high) << path;
        EXPECT_EQ(0u, version.low) << path;
    }
    CloseHandle(locked);
}

TEST(HostileRegistry, AnUnusableAppPathsValueMeansNoInstalledProduct)
{
    RegistrySandbox sandbox;
    // A program whose full path takes 259 characters: a value one byte
    // longer, without a NUL, names it once cut by a byte.
    const std::string folder = "C:\\Old\\" + std::string(MAX_PATH - 1 - 7 - 13, 'f');
    const std::string program = folder + "\\Tarvex32.exe";
    ASSERT_EQ(259u, program.size());
    CreateDirectoryA("C:\\Old", NULL);
    CreateDirectoryA(folder.c_str(), NULL);
    ASSERT_TRUE(CopyFixture("product-14.1\\Tarvex32.exe", program));
    // Each names the program if it were read carelessly.
    struct Case {
        const char* what;
        std::string bytes;
        DWORD type;
    } cases[] = {
        {"a number", std::string(4, '\0'), REG_DWORD},
        {"empty", "", REG_SZ},
        {"filling the buffer without a NUL", program + "x", REG_SZ},
        {"longer than the buffer", program + std::string(2 * MAX_PATH, ' ') + '\0', REG_SZ},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(SetBytes(HKEY_LOCAL_MACHINE, AppPathsKey, "", c.bytes.data(), (DWORD)c.bytes.size(), c.type));
        FileVersion version = {1, 1};
        char path[MAX_PATH] = "untouched";
        ReadInstalledVersion(&version, path, sizeof path);
        EXPECT_EQ(0u, version.high) << c.what;
        EXPECT_EQ(0u, version.low) << c.what;
        // No program is named: the path is left alone or left empty.
        EXPECT_TRUE(lstrcmpA(path, "untouched") == 0 || path[0] == '\0') << c.what << ": " << path;
    }
    // The same program named properly has its version read.
    ASSERT_TRUE(SetText(HKEY_LOCAL_MACHINE, AppPathsKey, "", program.c_str()));
    FileVersion version = {0, 0};
    ReadInstalledVersion(&version, NULL, 0);
    EXPECT_EQ(0x000E0001u, version.high);
}
