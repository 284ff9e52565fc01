#include <gtest/gtest.h>
#include <string.h>
#include "text/paths.h"
#include "text/window.h"
#include "platform/ansi_path.h"
#include "system_facts_fake.h"
#include "test_files.h"

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

// What a system with 8.3 names turned off answers: the long form.
static DWORD WINAPI LongFormBack(LPCWSTR path, LPWSTR shortPath, DWORD size)
{
    DWORD length = 0;
    while (path[length] != L'\0')
        ++length;
    if (length + 1 > size)
        return length + 1;
    CopyMemory(shortPath, path, (length + 1) * sizeof(WCHAR));
    return length;
}

static bool IsAscii(const char* text)
{
    for (; *text != '\0'; ++text)
        if ((unsigned char)*text >= 0x80)
            return false;
    return true;
}

// Code page 1252 has "é" (0xE9) but not "Ł", whose best-fit look-alike is "L".
TEST(AnsiFormOfPath, KeepsWhatTheCodePageHoldsAndShortensWhatItLacks)
{
    const std::string polish = "C:\\users\\Łukasz Kowalski-Wiśniewski";
    ASSERT_TRUE(WriteFileBytes(polish + "\\marker.txt", "here"));
    ASSERT_TRUE(MakeFolders("C:\\café"));
    ASSERT_EQ(1252u, GetACP());
    std::string shortForm = ShortFormOf(polish);
    ASSERT_TRUE(IsAscii(shortForm.c_str())) << shortForm;
    const int fitsOnlyShort = (int)shortForm.size() + 1;  // the long form is longer
    const std::string replaced = "C:\\users\\Lukasz Kowalski-Wisniewski";
    struct {
        const char* what;
        std::string path;
        int size;
        FARPROC shorten;  // stands in for GetShortPathNameW; null for the system's
        AnsiPathForm form;
        std::string expected;
    } cases[] = {
        {"a path the code page holds", "C:\\café", MAX_PATH, NULL, PATH_AS_IT_IS, "C:\\caf\xE9"},
        {"a folder it lacks a letter of", polish, MAX_PATH, NULL, PATH_SHORT_FORM, shortForm},
        {"a file in it", polish + "\\marker.txt", MAX_PATH, NULL, PATH_SHORT_FORM, shortForm + "\\marker.txt"},
        {"a missing file, which has no short form", polish + "\\missing.txt", MAX_PATH, NULL,
         PATH_CHARACTERS_REPLACED, replaced + "\\missing.txt"},
        {"a volume without 8.3 names", polish, MAX_PATH, (FARPROC)LongFormBack, PATH_CHARACTERS_REPLACED, replaced},
        {"a buffer only the short form fits", polish, fitsOnlyShort, NULL, PATH_SHORT_FORM, shortForm},
        {"a buffer one byte short of it", polish, fitsOnlyShort - 1, NULL, PATH_NOT_FITTING, ""},
        {"a path the code page holds, cut by the buffer", "C:\\café", 6, NULL, PATH_NOT_FITTING, ""},
        {"a path longer than Windows takes", "C:\\" + std::string(300, 'a'), MAX_PATH, NULL, PATH_NOT_FITTING, ""},
        {"a long path the code page lacks a letter of", "C:\\Ł" + std::string(300, 'a'), 400, NULL,
         PATH_CHARACTERS_REPLACED, "C:\\L" + std::string(300, 'a')},
    };
    for (const auto& c : cases) {
        FakeSystemFacts system;
        if (c.shorten != NULL)
            system.ReplaceFunction("GetShortPathNameW", c.shorten);
        char path[512];
        memset(path, 'x', sizeof path);
        EXPECT_EQ(c.form, AnsiFormOfPath(WidePath(c.path).c_str(), path, c.size)) << c.what;
        EXPECT_STREQ(c.expected.c_str(), path) << c.what;
        EXPECT_EQ('x', path[c.size]) << c.what << ": written past the buffer";
    }
    // The short form names the same file through the ANSI functions.
    std::vector<std::string> lines = ReadTextLines(shortForm + "\\marker.txt");
    EXPECT_EQ(std::vector<std::string>{"here"}, lines);
}

// A program path the code page lacks a letter of, as the system would give it.
static DWORD WINAPI PolishModulePath(HMODULE, LPWSTR path, DWORD size)
{
    const WCHAR name[] = L"C:\\users\\\x0141ukasz\\SETUP.EXE";
    if (size < sizeof name / sizeof name[0])
        return 0;
    CopyMemory(path, name, sizeof name);
    return sizeof name / sizeof name[0] - 1;
}

TEST(ReadOwnPath, WideOnTheNtFamilyAndAnsiOnWindows9x)
{
    ASSERT_TRUE(MakeFolders("C:\\users\\Łukasz"));
    WriteFileBytes("C:\\users\\Łukasz\\SETUP.EXE", "");
    char ansi[MAX_PATH];
    ASSERT_NE(0u, GetModuleFileNameA(NULL, ansi, sizeof ansi));
    FakeSystemFacts facts;
    facts.ReplaceFunction("GetModuleFileNameW", (FARPROC)PolishModulePath);
    char path[MAX_PATH];
    EXPECT_EQ(1, ReadOwnPath(path, sizeof path));
    EXPECT_EQ(ShortFormOf("C:\\users\\Łukasz") + "\\SETUP.EXE", path);
    facts.SetWindows(4, 10, 0, VER_PLATFORM_WIN32_WINDOWS);  // Windows 98: its wide functions are stubs
    EXPECT_EQ(1, ReadOwnPath(path, sizeof path));
    EXPECT_STREQ(ansi, path);
    EXPECT_EQ(0, ReadOwnPath(path, 4));
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
