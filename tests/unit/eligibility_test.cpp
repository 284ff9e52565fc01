// The toolbar decision and the Internet Explorer check against the
// registry each test builds (RegistrySandbox), with the Windows version,
// the administrator question and today's date replaced where Wine cannot
// produce them. The test program carries a version block naming its
// company, "Tarvex Test Works", so it takes and keeps offer holds.
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>
#include <string>
#include "offers/eligibility.h"
#include "offers/offer_holds.h"
#include "ffcompat/ffcompat.h"
#include "ffcompat/compatibility_check.h"
#include "ffcompat/toolbar_scan.h"
#include "platform/globals.h"
#include "platform/registry_text.h"
#include "text/text_scan.h"
#include "firefox_profile.h"
#include "registry_sandbox.h"
#include "setup_globals.h"
#include "system_facts_fake.h"
#include "offers/company_name.h"

static const char* Company = "Tarvex Test Works";
static const char* IEKey = "Software\\Microsoft\\Internet Explorer";
static const char* MainKey = "Software\\Microsoft\\Internet Explorer\\Main";
static const char* UserChoice = "Software\\Microsoft\\Windows\\Shell\\Associations\\URLAssociations\\http\\UserChoice";

// Everything a machine needs for the Internet Explorer offer: Internet
// Explorer 6 as the default browser, extensions on, the key writable.
static void PrepareEligibleMachine()
{
    SetText(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "",
            "\"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\" -nohome");
    SetText(HKEY_LOCAL_MACHINE, IEKey, "Version", "6.0.2900.2180");
}


static DWORD CheckIE()
{
    DWORD reasons = 0xdeadbeef;
    int result = IETBCompatibilityCheck(NULL, &reasons);
    EXPECT_EQ(reasons == 0 ? 1 : 0, result);
    return reasons;
}

class Eligibility : public testing::Test {
protected:
    void SetUp() override
    {
        facts_.SetWindows(5, 1, 2);
        globals_.SetVistaOrLater(0);
    }
    RegistrySandbox sandbox_;
    FakeSystemFacts facts_;
    GlobalsScope globals_;
};

TEST_F(Eligibility, AnEligibleMachinePassesAndTakesASixMonthHold)
{
    PrepareEligibleMachine();
    EXPECT_EQ(0u, CheckIE());
    EXPECT_EQ(20270231u, GetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, Company));  // 31 August + 6 months
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google\\Google Toolbar"));
    // The same day the hold is in force, and it is the only reason.
    EXPECT_EQ((DWORD)IETB_OFFER_ON_HOLD, CheckIE());
    facts_.SetToday(2027, 2, 28);
    EXPECT_EQ((DWORD)IETB_OFFER_ON_HOLD, CheckIE());
}

TEST_F(Eligibility, InternetExplorerVersions)
{
    PrepareEligibleMachine();
    struct {
        const char* version;
        bool tooOld;
    } cases[] = {
        {"6.0.2900.2180", false}, {"5.50.4807.2300", true}, {"7", false}, {"6", false}, {"6.-1", true},
        {"", true}, {"8.0.6001.18702", false}, {" 6.1", false}, {"-7.0", true}, {"99999999999999.0", false},
    };
    for (const auto& c : cases) {
        DeleteTree(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY);
        SetText(HKEY_LOCAL_MACHINE, IEKey, "Version", c.version);
        EXPECT_EQ(c.tooOld ? (DWORD)IETB_IE_BELOW_6 : 0u, CheckIE()) << c.version;
    }
    DeleteTree(HKEY_LOCAL_MACHINE, IEKey);
    EXPECT_EQ((DWORD)IETB_IE_BELOW_6, CheckIE());
}

TEST_F(Eligibility, BrowserExtensionsAreOffOnlyForAWholeNo)
{
    PrepareEligibleMachine();
    struct {
        const char* setting;
        bool off;
    } cases[] = {{"no", true}, {"NO", true}, {"No", true}, {"yes", false}, {"no ", false}, {"", false}, {"nope", false}};
    for (const auto& c : cases) {
        DeleteTree(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY);
        SetText(HKEY_CURRENT_USER, MainKey, "Enable Browser Extensions", c.setting);
        EXPECT_EQ(c.off ? (DWORD)IETB_EXTENSIONS_DISABLED : 0u, CheckIE()) << "[" << c.setting << "]";
    }
}

TEST_F(Eligibility, TheUsersOwnChoiceDecidesTheDefaultBrowser)
{
    PrepareEligibleMachine();
    facts_.SetWindows(6, 1, 0);  // Windows 7, as Wine reports itself
    ASSERT_TRUE(IsWindows6OrLater());
    EXPECT_TRUE(IsIEDefaultBrowser(NULL));

    SetText(HKEY_CURRENT_USER, UserChoice, "Progid", "ie.http");
    EXPECT_TRUE(IsIEDefaultBrowser(HKEY_CURRENT_USER));
    SetText(HKEY_CURRENT_USER, UserChoice, "Progid", "FirefoxURL");
    EXPECT_FALSE(IsIEDefaultBrowser(HKEY_CURRENT_USER));
    // A choice without a program is no choice of Internet Explorer, even
    // though the command names it.
    DeleteTree(HKEY_CURRENT_USER, UserChoice);
    SetText(HKEY_CURRENT_USER, UserChoice, "Hash", "x");
    EXPECT_FALSE(IsIEDefaultBrowser(HKEY_CURRENT_USER));
    EXPECT_EQ((DWORD)IETB_NOT_DEFAULT_BROWSER, CheckIE());

    DeleteTree(HKEY_CURRENT_USER, UserChoice);
    SetText(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "", "\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" -url \"%1\"");
    EXPECT_FALSE(IsIEDefaultBrowser(HKEY_CURRENT_USER));
}

TEST_F(Eligibility, EveryReasonIsGatheredWhateverCameBefore)
{
    PrepareEligibleMachine();
    SetText(HKEY_CLASSES_ROOT, "CLSID\\{2318C2B1-4965-11d4-9B18-009027A5CD4F}\\InprocServer32", "", "C:\\gtb.dll");
    EXPECT_EQ((DWORD)IETB_TOOLBAR_INSTALLED, CheckIE());

    facts_.SetWindows(5, 0, 4);
    SetText(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "", "opera.exe");
    SetText(HKEY_LOCAL_MACHINE, IEKey, "Version", "5.5");
    SetText(HKEY_CURRENT_USER, MainKey, "Enable Browser Extensions", "no");
    ASSERT_TRUE(MakeKeyRefuseLastingSubkeys(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google"));
    EXPECT_EQ(0x3Fu, CheckIE());
    facts_.FailVersionQuery();
    EXPECT_EQ(0x3Fu, CheckIE());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY));
}

TEST_F(Eligibility, NoHoldIsConsultedOrTakenWhenAnyReasonIsSet)
{
    PrepareEligibleMachine();
    SetText(HKEY_CURRENT_USER, MainKey, "Enable Browser Extensions", "no");
    EXPECT_EQ((DWORD)IETB_EXTENSIONS_DISABLED, CheckIE());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY));

    SetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, Company, 20300101);
    EXPECT_EQ((DWORD)IETB_EXTENSIONS_DISABLED, CheckIE());
    EXPECT_EQ(20300101u, GetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, Company));
}

TEST_F(Eligibility, HoldsEndOnTheirDayAndMalformedOnesGoWhateverTheirName)
{
    PrepareEligibleMachine();
    facts_.SetToday(2026, 3, 9);
    SetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, Company, 20260309);
    SetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, "Other Maker", 20260309);
    SetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, "Old Maker", 20251231);
    SetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, "Later Maker", 20260310);
    SetText(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, "Text Maker", "20991231");
    SetText(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, Company, "20991231");  // replaced below: same name, wrong type
    SetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, "Company Two", 20991231);
    SetBytes(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, "Binary Maker", "\x01\x02\x03\x04", 4, REG_BINARY);

    EXPECT_EQ(0u, CheckIE());  // the own hold that was malformed is gone
    EXPECT_EQ(20260909u, GetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, Company));
    EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, "Other Maker"));
    EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, "Old Maker"));
    EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, "Text Maker"));
    EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, "Binary Maker"));
    EXPECT_EQ(20260310u, GetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, "Later Maker"));
    EXPECT_EQ(20991231u, GetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, "Company Two"));

    // The own hold ending today goes, and the offer is made that day.
    SetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, Company, 20260309);
    EXPECT_EQ(0u, CheckIE());
    EXPECT_EQ(20260909u, GetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, Company));
}

TEST_F(Eligibility, AHoldLastsSixCalendarMonths)
{
    struct {
        WORD year, month, day;
        DWORD until;
    } cases[] = {{2026, 1, 15, 20260715}, {2026, 6, 30, 20261230}, {2026, 7, 1, 20270101}, {2026, 12, 31, 20270631}};
    for (const auto& c : cases) {
        DeleteTree(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY);
        facts_.SetToday(c.year, c.month, c.day);
        EXPECT_EQ(1, ClaimToolbarOffer());
        EXPECT_EQ(c.until, GetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, Company));
        EXPECT_EQ(0, ClaimToolbarOffer());
    }
}

TEST_F(Eligibility, TheTestWriteLeavesTheRegistryAsItFoundIt)
{
    EXPECT_EQ(1, CanWriteToolbarKey());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google\\Google Toolbar"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google"));
    SetText(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google\\No Toolbar Offer Until", "", "");
    EXPECT_EQ(1, CanWriteToolbarKey());
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google\\No Toolbar Offer Until"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google\\Google Toolbar"));

    SetText(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google\\Google Toolbar", "Version", "5.0");
    EXPECT_EQ(1, CanWriteToolbarKey());
    EXPECT_EQ("5.0", GetText(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google\\Google Toolbar", "Version"));
    EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google\\Google Toolbar", "test"));

    DeleteTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google");
    ASSERT_TRUE(MakeKeyRefuseLastingSubkeys(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google"));
    EXPECT_EQ(0, CanWriteToolbarKey());
}

// A value of the probe's name that was there is found as it was: its type,
// size and data, also where it is larger than the probe's read-back.
TEST_F(Eligibility, TheTestWriteKeepsAValueOfItsNameThatWasThere)
{
    const char* key = "SOFTWARE\\Google\\Google Toolbar";
    std::string data(3000, '\0');
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = (char)(i * 7);
    ASSERT_TRUE(SetBytes(HKEY_LOCAL_MACHINE, key, "test", data.data(), (DWORD)data.size(), REG_BINARY));
    EXPECT_EQ(1, CanWriteToolbarKey());
    HKEY opened;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &opened));
    std::string read(4000, 'x');
    DWORD type = REG_NONE, size = (DWORD)read.size();
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(opened, "test", NULL, &type, (BYTE*)&read[0], &size));
    RegCloseKey(opened);
    EXPECT_EQ((DWORD)REG_BINARY, type);
    EXPECT_EQ(data, read.substr(0, size));

    ASSERT_TRUE(SetNumber(HKEY_LOCAL_MACHINE, key, "test", 7));
    EXPECT_EQ(1, CanWriteToolbarKey());
    EXPECT_EQ(7u, GetNumber(HKEY_LOCAL_MACHINE, key, "test"));
}

TEST_F(Eligibility, ReadCompanyNameTakesTheFirstTranslation)
{
    char self[MAX_PATH];
    GetModuleFileNameA(NULL, self, sizeof self);
    char company[COMPANY_NAME_CHARS];
    memset(company, 'x', sizeof company);
    ASSERT_EQ(1, ReadCompanyName(self, company));
    EXPECT_STREQ(Company, company);

    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    EXPECT_EQ(0, ReadCompanyName((std::string(system) + "\\no such file.dll").c_str(), company));
}

// The decision as the toolbar offer asks it, from a source folder that
// holds the toolbar installer or not.
class Decision : public Eligibility {
protected:
    void SetUp() override
    {
        Eligibility::SetUp();
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder_ = std::string(temp) + "decision\\";
        MakeFolders(folder_.substr(0, folder_.size() - 1));
        WriteFileBytes(folder_ + "gtb6ie.exe", "MZ");
        globals_.SetSourceFolder(folder_.c_str());
        RemoveFirefoxFolder();
    }
    void TearDown() override
    {
        DeleteFileA((folder_ + "gtb6ie.exe").c_str());
    }
    static void SetFirefox(const char* version)
    {
        SetText(HKEY_LOCAL_MACHINE, "Software\\Mozilla\\Mozilla Firefox", "CurrentVersion", version);
    }
    std::string folder_;
};

// Everything under a root, keys, value names, types and data, as one text.
static std::string DumpTree(HKEY root, const std::string& path = "")
{
    HKEY key;
    if (RegOpenKeyExA(root, path.empty() ? NULL : path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<none>";
    std::string dump = "[" + path + "]\n";
    char name[512];
    BYTE data[4096];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
        if (RegEnumValueA(key, i, name, &nameSize, NULL, &type, data, &dataSize) != ERROR_SUCCESS)
            break;
        dump += std::string(name) + "=" + std::to_string(type) + ":" + std::string((char*)data, dataSize) + "\n";
    }
    for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i)
        dump += DumpTree(root, path.empty() ? name : path + "\\" + name);
    RegCloseKey(key);
    return dump;
}

static std::string DumpSandbox()
{
    return DumpTree(HKEY_LOCAL_MACHINE) + DumpTree(HKEY_CURRENT_USER) + DumpTree(HKEY_CLASSES_ROOT);
}

TEST_F(Decision, WithoutTheToolbarInstallerOrOnWindows95NothingIsCheckedOrWritten)
{
    PrepareEligibleMachine();
    std::string before = DumpSandbox();
    ASSERT_TRUE(DeleteFileA((folder_ + "gtb6ie.exe").c_str()));
    EXPECT_EQ(NO_TOOLBAR_OFFER, DecideToolbarOffer());
    EXPECT_EQ(before, DumpSandbox());
    EXPECT_EQ(0, facts_.adminQuestions());

    WriteFileBytes(folder_ + "gtb6ie.exe", "MZ");
    facts_.SetWindows(4, 10, 0, VER_PLATFORM_WIN32_WINDOWS);
    EXPECT_EQ(NO_TOOLBAR_OFFER, DecideToolbarOffer());
    facts_.FailVersionQuery();
    EXPECT_EQ(NO_TOOLBAR_OFFER, DecideToolbarOffer());
    EXPECT_EQ(before, DumpSandbox());
    EXPECT_EQ(0, facts_.adminQuestions());

    // The same machine on Windows XP: the checks run and a hold is taken.
    facts_.SetWindows(5, 1, 2);
    EXPECT_EQ(TOOLBAR_OFFER_IE, DecideToolbarOffer());
    EXPECT_EQ(20270231u, GetNumber(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY, Company));
}

// The launcher started after an accepted offer has a longer name than the
// toolbar's installer: a folder where only the installer's path fits makes
// no offer, as a missing installer does.
TEST_F(Decision, NoOfferWhereTheLaunchersPathWouldNotFit)
{
    PrepareEligibleMachine();
    for (size_t length : {249u, 246u, 245u}) {
        std::string folder = "C:\\" + std::string(length - 4, 'd') + "\\";  // `length` characters
        MakeFolders(folder.substr(0, folder.size() - 1));
        WriteFileBytes(folder + "gtb6ie.exe", "MZ");
        globals_.SetSourceFolder(folder.c_str());
        // 245 and the launcher's 14 characters make 259, the longest path.
        EXPECT_EQ(length == 245 ? TOOLBAR_OFFER_IE : NO_TOOLBAR_OFFER, DecideToolbarOffer()) << length;
        DeleteFileA((folder + "gtb6ie.exe").c_str());
        RemoveDirectoryA(folder.c_str());
    }
}

TEST_F(Decision, FromVistaOnAFailedMachineWriteAloneStillAllowsInternetExplorer)
{
    PrepareEligibleMachine();
    ASSERT_TRUE(MakeKeyRefuseLastingSubkeys(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google"));
    globals_.SetVistaOrLater(1);
    EXPECT_EQ(TOOLBAR_OFFER_IE, DecideToolbarOffer());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, OFFER_HOLD_KEY));  // no hold with a reason set
    globals_.SetVistaOrLater(0);
    EXPECT_EQ(NO_TOOLBAR_OFFER, DecideToolbarOffer());
    globals_.SetVistaOrLater(1);
    SetText(HKEY_CURRENT_USER, MainKey, "Enable Browser Extensions", "no");
    EXPECT_EQ(NO_TOOLBAR_OFFER, DecideToolbarOffer());
}

TEST_F(Decision, FirefoxIsAskedWhenInternetExplorerIsRefusedEvenByItsHold)
{
    PrepareEligibleMachine();
    SetFirefox("3.5.7 (en-US)");
    EXPECT_EQ(TOOLBAR_OFFER_IE, DecideToolbarOffer());
    EXPECT_EQ(TOOLBAR_OFFER_FIREFOX, DecideToolbarOffer());  // held now

    DWORD flags = 0;
    EXPECT_EQ(1, FirefoxToolbarEligible(&flags));
    EXPECT_EQ(0x01u, flags);
    SetFirefox("1.5.0.12 (en-US)");
    EXPECT_EQ(0, FirefoxToolbarEligible(&flags));
    EXPECT_EQ(0x21u, flags);
    EXPECT_EQ(NO_TOOLBAR_OFFER, DecideToolbarOffer());

    SetFirefox("3.0");
    SetText(HKEY_LOCAL_MACHINE, "Software\\Google\\Toolbar for Firefox", "id", "installed");
    EXPECT_EQ(NO_TOOLBAR_OFFER, DecideToolbarOffer());
    DeleteTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Google\\Toolbar for Firefox");
    DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Mozilla");
    EXPECT_EQ(0, FirefoxToolbarEligible(&flags));  // no Firefox at all
    EXPECT_EQ(0u, flags);
    EXPECT_EQ(NO_TOOLBAR_OFFER, DecideToolbarOffer());
}

TEST_F(Decision, FromVistaOnAUserWithoutRightsMayStillGetTheFirefoxOffer)
{
    SetText(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "", "firefox.exe");
    SetFirefox("3.0");
    facts_.SetWindows(6, 0, 0);
    facts_.SetAdmin(false);
    globals_.SetVistaOrLater(1);
    EXPECT_EQ(TOOLBAR_OFFER_FIREFOX, DecideToolbarOffer());
    globals_.SetVistaOrLater(0);
    EXPECT_EQ(NO_TOOLBAR_OFFER, DecideToolbarOffer());
    globals_.SetVistaOrLater(1);
    SetFirefox("1.5");  // flags 0x25
    EXPECT_EQ(NO_TOOLBAR_OFFER, DecideToolbarOffer());
}

TEST(ReadRegistryText, TextsOfEveryKindAlwaysEndInTheBuffer)
{
    RegistrySandbox sandbox;
    const char* key = "Software\\Tarvex\\Texts";
    EXPECT_STREQ("", ReadRegistryText(HKEY_CURRENT_USER, key, "missing"));
    SetText(HKEY_CURRENT_USER, key, "", "default value");
    EXPECT_STREQ("default value", ReadRegistryText(HKEY_CURRENT_USER, key, ""));
    SetText(HKEY_CURRENT_USER, key, "expand", "%TEMP%\\x", REG_EXPAND_SZ);
    EXPECT_STREQ("%TEMP%\\x", ReadRegistryText(HKEY_CURRENT_USER, key, "expand"));
    SetBytes(HKEY_CURRENT_USER, key, "multi", "first\0second\0", 14, REG_MULTI_SZ);
    EXPECT_STREQ("first", ReadRegistryText(HKEY_CURRENT_USER, key, "multi"));
    SetNumber(HKEY_CURRENT_USER, key, "number", 0x41414141);
    EXPECT_STREQ("", ReadRegistryText(HKEY_CURRENT_USER, key, "number"));

    std::string fits(1023, 'a');
    SetText(HKEY_CURRENT_USER, key, "fits", fits.c_str());
    EXPECT_EQ(fits, ReadRegistryText(HKEY_CURRENT_USER, key, "fits"));
    std::string tooLong(1500, 'b');
    SetText(HKEY_CURRENT_USER, key, "long", tooLong.c_str());
    EXPECT_STREQ("", ReadRegistryText(HKEY_CURRENT_USER, key, "long"));
    // A text stored without its terminator never runs past the buffer.
    std::string unterminated(1024, 'c');
    SetBytes(HKEY_CURRENT_USER, key, "bare", unterminated.data(), 1024, REG_SZ);
    const char* read = ReadRegistryText(HKEY_CURRENT_USER, key, "bare");
    EXPECT_LE(strlen(read), 1023u);
    EXPECT_EQ(std::string(strlen(read), 'c'), read);
    SetBytes(HKEY_CURRENT_USER, key, "short", "abc", 3, REG_SZ);
    EXPECT_STREQ("abc", ReadRegistryText(HKEY_CURRENT_USER, key, "short"));
}

TEST(FindTextNoCase, FindsTheFirstMatchIgnoringCase)
{
    const char* text = "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE -nohome";
    EXPECT_EQ(text + 35, FindTextNoCase("iexplore", text));
    EXPECT_EQ(text + 37, FindTextNoCase("xplo", text + 36));
    EXPECT_EQ(text, FindTextNoCase("c:\\program", text));
    EXPECT_EQ(nullptr, FindTextNoCase("firefox", text));
    EXPECT_EQ(nullptr, FindTextNoCase("-NOHOMEX", text));  // would run past the end
    const char empty[] = "";
    EXPECT_EQ(empty, FindTextNoCase("", empty));
    EXPECT_EQ(text, FindTextNoCase("", text));
    EXPECT_EQ(nullptr, FindTextNoCase("a", empty));
    EXPECT_EQ(nullptr, FindTextNoCase(NULL, text));
    EXPECT_EQ(nullptr, FindTextNoCase("a", NULL));

    std::string limit(1023, 'x');
    limit[1022] = 'y';
    EXPECT_EQ(limit.c_str() + 1022, FindTextNoCase("Y", limit.c_str()));
    std::string over = limit + "y";
    EXPECT_EQ(nullptr, FindTextNoCase("Y", over.c_str()));
    EXPECT_EQ(nullptr, FindTextNoCase(over.c_str(), "y"));
}

TEST(ReadVersionPart, ReadsTheSignedNumberBeforeTheFirstPoint)
{
    char version[] = "6.0.2900.2180";
    char* rest = NULL;
    EXPECT_EQ(6, ReadVersionPart(version, &rest));
    EXPECT_STREQ("6", version);
    ASSERT_NE(nullptr, rest);
    EXPECT_STREQ("0.2900.2180", rest);
    EXPECT_EQ(0, ReadVersionPart(rest, &rest));
    EXPECT_EQ(2900, ReadVersionPart(rest, &rest));
    EXPECT_EQ(2180, ReadVersionPart(rest, &rest));
    EXPECT_EQ(nullptr, rest);

    struct {
        const char* text;
        int value;
    } cases[] = {
        {"  -12.3", -12}, {"7", 7}, {"", 0}, {"abc", 0}, {"-", 0}, {"--5", 0}, {"1x2", 1}, {"\t4", 0},
        {"2147483647", INT_MAX}, {"2147483648", INT_MAX}, {"99999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN}, {"-2147483649", INT_MIN}, {"-99999999999999999999999", INT_MIN},
    };
    for (const auto& c : cases) {
        char copy[64];
        lstrcpynA(copy, c.text, sizeof copy);
        EXPECT_EQ(c.value, ReadVersionPart(copy, &rest)) << c.text;
        EXPECT_EQ(c.text == std::string("  -12.3") ? copy + 6 : nullptr, rest) << c.text;
    }
    EXPECT_EQ(0, ReadVersionPart(NULL, &rest));
    EXPECT_EQ(nullptr, rest);
}
