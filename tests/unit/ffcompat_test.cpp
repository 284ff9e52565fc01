// The Firefox toolbar check in-process, where the Windows version and the
// administrator question can be replaced: versions Wine cannot report, a
// user without rights, and profile folders and caches that are broken.
#include <gtest/gtest.h>
#include <sddl.h>
#include "resource_counts.h"
#include <string>
#include "ffcompat/ffcompat.h"
#include "ffcompat/compatibility_check.h"
#include "ffcompat/toolbar_scan.h"
#include "firefox_profile.h"
#include "registry_sandbox.h"
#include "system_facts_fake.h"

class FirefoxCheck : public testing::Test {
protected:
    void SetUp() override { RemoveFirefoxFolder(); }
    void TearDown() override { RemoveFirefoxFolder(); }
    static void SetFirefoxVersion(const char* version)
    {
        ASSERT_TRUE(SetText(HKEY_LOCAL_MACHINE, "Software\\Mozilla\\Mozilla Firefox", "CurrentVersion", version));
    }
    static void UseProfile(const std::string& path)
    {
        WriteProfilesIni("[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=" + path + "\r\nDefault=1\r\n");
    }
    RegistrySandbox sandbox_;
    FakeSystemFacts facts_;
};

TEST_F(FirefoxCheck, WindowsVersionsBelowTheMinimumAreRefusedWithoutTheAdminQuestion)
{
    struct {
        DWORD major, minor;
        WORD servicePack;
        bool supported;
    } cases[] = {
        {4, 0, 6, false}, {5, 0, 2, false}, {5, 0, 3, true}, {5, 0, 4, true},
        {5, 1, 0, true},  {5, 2, 0, true},  {6, 0, 0, true}, {10, 0, 0, true},
    };
    for (const auto& c : cases) {
        facts_.SetWindows(c.major, c.minor, c.servicePack);
        int questionsBefore = facts_.adminQuestions();
        DWORD flags = 0xdeadbeef;
        BOOL result = FFTBCompatibilityCheck(&flags);
        std::string which = std::to_string(c.major) + "." + std::to_string(c.minor) + " SP" + std::to_string(c.servicePack);
        EXPECT_EQ(c.supported, IsSupportedWindowsVersion() != 0) << which;
        EXPECT_EQ(c.supported ? TRUE : FALSE, result) << which;
        EXPECT_EQ(c.supported ? 0u : (DWORD)FFTB_OLD_WINDOWS, flags) << which;
        EXPECT_EQ(c.supported ? 1 : 0, facts_.adminQuestions() - questionsBefore) << which;
    }
    facts_.FailVersionQuery();
    DWORD flags = 0;
    EXPECT_EQ(FALSE, FFTBCompatibilityCheck(&flags));
    EXPECT_EQ((DWORD)FFTB_OLD_WINDOWS, flags);
    EXPECT_EQ(FALSE, FFTBCompatibilityCheck(NULL));
}

TEST_F(FirefoxCheck, AUserWithoutRightsGetsNotAdminBesideTheFirefoxBits)
{
    facts_.SetAdmin(false);
    DWORD flags = 0;
    EXPECT_EQ(FALSE, FFTBCompatibilityCheck(&flags));
    EXPECT_EQ((DWORD)FFTB_NOT_ADMIN, flags);

    SetFirefoxVersion("3.0");
    EXPECT_EQ(FALSE, FFTBCompatibilityCheck(&flags));
    EXPECT_EQ(0x05u, flags);
    EXPECT_EQ(FALSE, FFTBCompatibilityCheck(NULL));

    facts_.SetWindows(5, 0, 2);
    EXPECT_EQ(FALSE, FFTBCompatibilityCheck(&flags));
    EXPECT_EQ(0x09u, flags);  // never 0x04 and 0x08 together
}

// Shells before version 5.0 lack both functions, Windows 2000's may lack
// IsUserAnAdmin alone: the token's membership of the Administrators group
// decides then, and without that function too the user is no administrator.
static std::string AskedGroup;
static HANDLE AskedToken;
static BOOL Membership;
static BOOL WINAPI StandInMembership(HANDLE token, PSID group, PBOOL member)
{
    char* text = NULL;
    AskedGroup = ConvertSidToStringSidA(group, &text) ? text : "unreadable";
    LocalFree(text);
    AskedToken = token;
    *member = Membership;
    return TRUE;
}

TEST_F(FirefoxCheck, WithoutIsUserAnAdminTheTokenDecidesAndWithoutEitherNobodyIsAdmin)
{
    facts_.WithoutFunction("IsUserAnAdmin");
    facts_.ReplaceFunction("CheckTokenMembership", (FARPROC)(void*)StandInMembership);
    DWORD flags = 0xdeadbeef;
    AskedToken = INVALID_HANDLE_VALUE;
    Membership = TRUE;
    EXPECT_EQ(TRUE, FFTBCompatibilityCheck(&flags));
    EXPECT_EQ(0u, flags);
    EXPECT_EQ("S-1-5-32-544", AskedGroup);
    EXPECT_EQ((HANDLE)NULL, AskedToken);  // the calling thread's own token
    Membership = FALSE;
    EXPECT_EQ(FALSE, FFTBCompatibilityCheck(&flags));
    EXPECT_EQ((DWORD)FFTB_NOT_ADMIN, flags);

    facts_.AlsoWithoutFunction("CheckTokenMembership");
    EXPECT_EQ(FALSE, FFTBCompatibilityCheck(&flags));
    EXPECT_EQ((DWORD)FFTB_NOT_ADMIN, flags);

    SetFirefoxVersion("3.5.7 (en-US)");
    UseProfile("Profiles\\k3j2.default");
    WriteExtensionsCache("Profiles\\k3j2.default", TOOLBAR_EXTENSION_ID);
    facts_.WithoutFunction("none");
    EXPECT_EQ(FALSE, FFTBCompatibilityCheck(&flags));
    EXPECT_EQ(0x03u, flags);  // Wine's user is an administrator
    facts_.WithoutFunction("SHGetFolderPathA");  // a shell before 5.0 has neither form
    facts_.AlsoWithoutFunction("SHGetFolderPathW");
    EXPECT_EQ(FALSE, FFTBCompatibilityCheck(&flags));
    EXPECT_EQ(0x01u, flags);  // no profile folder: the toolbar is not installed
}

TEST_F(FirefoxCheck, GetFirefoxVersionReadsTheLeadingNumber)
{
    double version = -1;
    EXPECT_FALSE(GetFirefoxVersion(&version));
    EXPECT_EQ(0.0, version);
    EXPECT_FALSE(GetFirefoxVersion(NULL));

    struct {
        const char* text;
        double value;
    } cases[] = {{"3.5.7 (en-US)", 3.5}, {"1.5.0.12 (en-US)", 1.5}, {"10.0", 10.0}, {" 2.0b1", 2.0}, {"beta", 0.0}, {"", 0.0}};
    for (const auto& c : cases) {
        SetFirefoxVersion(c.text);
        EXPECT_TRUE(GetFirefoxVersion(&version)) << c.text;
        EXPECT_EQ(c.value, version) << c.text;
    }
    // The value's type is not looked at.
    ASSERT_TRUE(SetText(HKEY_LOCAL_MACHINE, "Software\\Mozilla\\Mozilla Firefox", "CurrentVersion", "3.6", REG_EXPAND_SZ));
    EXPECT_TRUE(GetFirefoxVersion(&version));
    EXPECT_EQ(3.6, version);
}

TEST_F(FirefoxCheck, RegistryTextsThatFillTheBufferAreCutNotOverrun)
{
    SetFirefoxVersion("3.5.7");
    // The types are not looked at: 256 bytes with no terminator are read
    // and cut to 255, and the id still counts.
    std::string full(256, 'g');
    ASSERT_TRUE(SetBytes(HKEY_LOCAL_MACHINE, "Software\\Google\\Toolbar for Firefox", "id", full.data(), 256, REG_BINARY));
    EXPECT_TRUE(IsFirefoxToolbarInstalled());
    ASSERT_TRUE(SetText(HKEY_LOCAL_MACHINE, "Software\\Google\\Toolbar for Firefox", "id", std::string(255, 'g').c_str()));
    EXPECT_TRUE(IsFirefoxToolbarInstalled());
    // A version text that fills the buffer is read as its leading number.
    std::string version = "3.5" + std::string(253, '7');
    ASSERT_TRUE(SetBytes(HKEY_LOCAL_MACHINE, "Software\\Mozilla\\Mozilla Firefox", "CurrentVersion", version.data(), 256, REG_BINARY));
    double read = 0;
    EXPECT_TRUE(GetFirefoxVersion(&read));
    EXPECT_NEAR(3.5777, read, 0.001);
    // An id too long for the buffer is not read at all; the profile decides.
    std::string longer(300, 'g');
    ASSERT_TRUE(SetBytes(HKEY_LOCAL_MACHINE, "Software\\Google\\Toolbar for Firefox", "id", longer.data(), 300, REG_SZ));
    EXPECT_FALSE(IsFirefoxToolbarInstalled());
    UseProfile("Profiles\\a.default");
    WriteExtensionsCache("Profiles\\a.default", TOOLBAR_EXTENSION_ID);
    EXPECT_TRUE(IsFirefoxToolbarInstalled());
}

TEST_F(FirefoxCheck, BrokenProfilesMeanNotInstalled)
{
    EXPECT_FALSE(IsFirefoxToolbarInstalled());  // no Firefox folder at all
    MakeFolders(FirefoxFolder());
    EXPECT_FALSE(IsFirefoxToolbarInstalled());  // no profiles.ini
    WriteProfilesIni("");
    EXPECT_FALSE(IsFirefoxToolbarInstalled());
    WriteProfilesIni("[Profile0]\r\nPath=\r\nDefault=1\r\n");
    EXPECT_FALSE(IsFirefoxToolbarInstalled());
    UseProfile(std::string(259, 'p'));
    EXPECT_FALSE(IsFirefoxToolbarInstalled());
    UseProfile(std::string(400, 'p'));  // cut at 259 by the read
    EXPECT_FALSE(IsFirefoxToolbarInstalled());
}

TEST_F(FirefoxCheck, AProfilePathMayNotLeaveTheFirefoxFolder)
{
    WriteFileBytes(FirefoxFolder() + "\\..\\outside\\extensions.cache", TOOLBAR_EXTENSION_ID);
    WriteExtensionsCache("inside", TOOLBAR_EXTENSION_ID);
    UseProfile("inside");
    EXPECT_TRUE(IsFirefoxToolbarInstalled());
    UseProfile("..\\outside");
    EXPECT_FALSE(IsFirefoxToolbarInstalled());
    UseProfile("inside/../../outside");
    EXPECT_FALSE(IsFirefoxToolbarInstalled());
    // Dots within a name are no parent reference.
    WriteExtensionsCache("..profile", TOOLBAR_EXTENSION_ID);
    UseProfile("..profile");
    EXPECT_TRUE(IsFirefoxToolbarInstalled());
    RemoveDirectoryA((FirefoxFolder() + "\\..\\outside").c_str());
}

// Firefox marks a profile made in a folder of its own with IsRelative=0 and
// writes its full path; without the mark a path is relative.
TEST_F(FirefoxCheck, AProfileMarkedNotRelativeIsReadWhereItsPathSays)
{
    WriteFileBytes("C:\\Profiles\\work\\extensions.cache", TOOLBAR_EXTENSION_ID);
    WriteProfilesIni("[Profile0]\r\nIsRelative=0\r\nPath=C:\\Profiles\\work\r\nDefault=1\r\n");
    EXPECT_TRUE(IsFirefoxToolbarInstalled());
    WriteProfilesIni("[Profile0]\r\nPath=C:\\Profiles\\work\r\nDefault=1\r\n");
    EXPECT_FALSE(IsFirefoxToolbarInstalled());
    WriteExtensionsCache("work", TOOLBAR_EXTENSION_ID);
    WriteProfilesIni("[Profile0]\r\nPath=work\r\nDefault=1\r\n");
    EXPECT_TRUE(IsFirefoxToolbarInstalled());
    // Marked full, a relative path would be read from the current folder.
    WriteProfilesIni("[Profile0]\r\nIsRelative=0\r\nPath=work\r\nDefault=1\r\n");
    EXPECT_FALSE(IsFirefoxToolbarInstalled());
    DeleteFileA("C:\\Profiles\\work\\extensions.cache");
}

// A user whose name code page 1252 lacks a letter of: the ANSI form of the
// folder names no folder, its short form does. On Windows 98 the wide
// function is a stub and the code page's form is all there is.
TEST_F(FirefoxCheck, AProfileInAnAppDataFolderTheCodePageLacksIsScanned)
{
    UseAppDataFolder("C:\\users\\Łukasz\\AppData\\Roaming");
    ASSERT_NE(std::string::npos, FirefoxFolder().find("Łukasz"));
    SetFirefoxVersion("3.5.7 (en-US)");
    UseProfile("Profiles/a.default");
    WriteExtensionsCache("Profiles\\a.default", TOOLBAR_EXTENSION_ID);
    DWORD flags = 0;
    EXPECT_FALSE(FFTBCompatibilityCheck(&flags));
    EXPECT_EQ((DWORD)(FFTB_FIREFOX_FOUND | FFTB_TOOLBAR_INSTALLED), flags);
    facts_.SetWindows(4, 10, 0, VER_PLATFORM_WIN32_WINDOWS);
    EXPECT_FALSE(IsFirefoxToolbarInstalled());
}

TEST_F(FirefoxCheck, ACacheThatIsAFolderOrLockedIsNotRead)
{
    UseProfile("Profiles\\a.default");
    std::string cache = FirefoxFolder() + "\\Profiles\\a.default\\extensions.cache";
    ASSERT_TRUE(MakeFolders(cache));
    EXPECT_FALSE(IsFirefoxToolbarInstalled());
    ASSERT_TRUE(RemoveDirectoryA(cache.c_str()));

    WriteExtensionsCache("Profiles\\a.default", TOOLBAR_EXTENSION_ID);
    ASSERT_TRUE(IsFirefoxToolbarInstalled());
    // Opened by another program that shares nothing.
    HANDLE exclusive = CreateFileA(cache.c_str(), GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, exclusive);
    EXPECT_FALSE(IsFirefoxToolbarInstalled());
    CloseHandle(exclusive);
    EXPECT_TRUE(IsFirefoxToolbarInstalled());
}

// A handle left open on a cache would keep anyone else from opening it
// without sharing; memory left behind shows in the process heap.
static bool OpensExclusively(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

TEST_F(FirefoxCheck, EveryScanReleasesItsHandlesAndMemory)
{
    SetFirefoxVersion("3.5.7 (en-US)");
    const char* profiles[] = {"Profiles\\found", "Profiles\\other", "Profiles\\big", "Profiles\\folder", "..\\x"};
    WriteExtensionsCache("Profiles\\found", TOOLBAR_EXTENSION_ID);
    WriteExtensionsCache("Profiles\\other", "no toolbar here");
    WriteExtensionsCache("Profiles\\big", CacheEndingWithId(300000));
    MakeFolders(FirefoxFolder() + "\\Profiles\\folder\\extensions.cache");
    for (const char* profile : profiles) {
        UseProfile(profile);
        DWORD flags = 0;
        FFTBCompatibilityCheck(&flags);  // the first call fills the system's caches
        ResourceCounts before = CountResources();
        for (int i = 0; i < 200; ++i)  // 1,000 calls in all
            FFTBCompatibilityCheck(&flags);
        ResourceCounts after = CountResources();
        std::string growth = ResourceGrowth(before, after);
        EXPECT_EQ(before.heapBlocks, after.heapBlocks) << profile << ": " << growth;
        EXPECT_EQ(before.kernelHandles, after.kernelHandles) << profile << ": " << growth;
        EXPECT_EQ(before.gdiObjects, after.gdiObjects) << profile << ": " << growth;
        EXPECT_EQ(profile == profiles[0] ? 0x03u : 0x01u, flags) << profile;
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(OpensExclusively(FirefoxFolder() + "\\" + profiles[i] + "\\extensions.cache")) << profiles[i];
}
