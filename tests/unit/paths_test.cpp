#include <gtest/gtest.h>
#include <string.h>
#include "text/paths.h"
#include "text/window.h"

TEST(FindLastSeparator, FindsTheLastBackslashOrSlash)
{
    char path[] = "C:\\Downloads\\Tarvex/setup\\SETUP.EXE";
    EXPECT_EQ(path + 25, FindLastSeparator(path));
    char mixed[] = "C:\\a/b";
    EXPECT_EQ(mixed + 4, FindLastSeparator(mixed));
    char none[] = "SETUP.EXE";
    EXPECT_EQ(nullptr, FindLastSeparator(none));
    char empty[] = "";
    EXPECT_EQ(nullptr, FindLastSeparator(empty));
}

TEST(EnsureTrailingBackslash, AddsOneOnlyWhenMissing)
{
    char path[16] = "C:\\Apps\\";
    EnsureTrailingBackslash(path, sizeof path);
    EXPECT_STREQ("C:\\Apps\\", path);
    char other[16] = "C:\\Apps";
    EnsureTrailingBackslash(other, sizeof other);
    EXPECT_STREQ("C:\\Apps\\", other);
    char slash[16] = "C:/Apps/";
    EnsureTrailingBackslash(slash, sizeof slash);
    EXPECT_STREQ("C:/Apps/\\", slash);
    char empty[4] = "";
    EnsureTrailingBackslash(empty, sizeof empty);
    EXPECT_STREQ("\\", empty);
    char full[4] = "abc";
    EnsureTrailingBackslash(full, sizeof full);
    EXPECT_STREQ("abc", full);
}

TEST(FileIsMissing, ReportsMatchesOfPathsAndPatterns)
{
    WIN32_FIND_DATAA found;
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string file = std::string(folder) + "tarvex-probe.tmp";
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    CloseHandle(handle);
    EXPECT_EQ(0, FileIsMissing(file.c_str(), &found));
    EXPECT_STREQ("tarvex-probe.tmp", found.cFileName);
    EXPECT_EQ(0, FileIsMissing((std::string(folder) + "tarvex-pr*.tmp").c_str(), &found));
    DeleteFileA(file.c_str());
    EXPECT_EQ(1, FileIsMissing(file.c_str(), &found));
}

TEST(CenterWindowOnScreen, CentresAndKeepsTheSize)
{
    HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 200, 100, NULL, NULL, NULL, NULL);
    CenterWindowOnScreen(window);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 200) / 2, rect.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - 100) / 2, rect.top);
    EXPECT_EQ(200, rect.right - rect.left);

    int wide = GetSystemMetrics(SM_CXSCREEN) + 301;
    SetWindowPos(window, NULL, 0, 0, wide, 100, SWP_NOMOVE | SWP_NOZORDER);
    CenterWindowOnScreen(window);
    GetWindowRect(window, &rect);
    EXPECT_EQ(-301 / 2, rect.left);  // truncated toward zero
    DestroyWindow(window);
}

// Run with a double-byte system code page (the test list runs this group
// under LC_ALL=ja_JP.UTF-8, which gives code page 932).
TEST(DoubleByteCodePage, TrailBytesWithTheValueOfBackslashAreNoSeparators)
{
    ASSERT_EQ(932u, GetACP());
    // 0x83 0x5C is one character in code page 932; its trail byte is '\'.
    char path[] = "C:\\dir\\\x83\x5C";
    EXPECT_EQ(path + 6, FindLastSeparator(path));
    char onlyCharacter[] = "\x83\x5C";
    EXPECT_EQ(nullptr, FindLastSeparator(onlyCharacter));
    char folder[16] = "C:\\\x83\x5C";
    EnsureTrailingBackslash(folder, sizeof folder);
    EXPECT_STREQ("C:\\\x83\x5C\\", folder);
}
