// The toolbar offer in this process: dialogs 500 and 503 as a user sees and
// answers them, their links and picture, and what the offer step makes of
// the answer and of the partner launcher's exit code.
#include <gtest/gtest.h>
#include <stdint.h>
#include <string>
#include <vector>
#include "offers/toolbar_offer.h"
#include "offers/toolbar_install.h"
#include "offers/eligibility.h"
#include "offers/offers.h"
#include "platform/globals.h"
#include "resources/resource.h"
#include "setup_globals.h"
#include "setup_run.h"

static const std::string Web = TARVEX_WEB_SERVER;
static const std::string Host = Web.substr(Web.find("://") + 3);
static const std::string Gate = Web + "/txgate.cgi?lang=EN&url=" + Host + "/txredir.cgi&param=";

static bool WaitUntil(std::function<bool()> condition)
{
    for (int i = 0; i < 100; ++i) {
        if (condition())
            return true;
        Sleep(20);
    }
    return condition();
}

static bool Checked(HWND dialog, int id)
{
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Clicks "Do not install" and waits until the button shows it.
static void ChooseNotToInstall(HWND dialog)
{
    ClickButton(dialog, IDC_TOOLBAR_DECLINE);
    WaitUntil([&] { return Checked(dialog, IDC_TOOLBAR_DECLINE); });
}

// The place of a control in its dialog's client area.
static RECT PlaceOf(HWND dialog, int id)
{
    RECT rect;
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(NULL, dialog, (POINT*)&rect, 2);
    return rect;
}

class ToolbarOffer : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteFileA("C:\\tarvex-events.log");
        DeleteFileA("C:\\tarvex-fixtures.ini");
        CreateDirectoryA("C:\\Partners", NULL);
        ASSERT_TRUE(CopyFixture("duzorizu32.exe", "C:\\Partners\\duzorizu32.exe"));
        globals_.SetSourceFolder("C:\\Partners\\");
    }
    GlobalsScope globals_;
};

struct DialogLook {
    std::string caption, heading, install, decline, terms, privacy;
    LONG headingWeight = 0, installWeight = 0, declineWeight = 0;
    bool installChecked = false, declineChecked = true;
    int focus = 0;
};

static DialogLook LookAt(HWND dialog)
{
    DialogLook look;
    look.caption = WindowText(dialog);
    look.heading = ItemText(dialog, IDC_TOOLBAR_HEADING);
    look.install = ItemText(dialog, IDC_TOOLBAR_INSTALL);
    look.decline = ItemText(dialog, IDC_TOOLBAR_DECLINE);
    look.terms = ItemText(dialog, IDC_TOOLBAR_TERMS);
    look.privacy = ItemText(dialog, IDC_TOOLBAR_PRIVACY);
    look.headingWeight = FontWeight(dialog, IDC_TOOLBAR_HEADING);
    look.installWeight = FontWeight(dialog, IDC_TOOLBAR_INSTALL);
    look.declineWeight = FontWeight(dialog, IDC_TOOLBAR_DECLINE);
    look.installChecked = Checked(dialog, IDC_TOOLBAR_INSTALL);
    look.declineChecked = Checked(dialog, IDC_TOOLBAR_DECLINE);
    look.focus = GetDlgCtrlID(FocusedControl(dialog));
    return look;
}

TEST_F(ToolbarOffer, TheDialogsOpenWithTheirTextsBoldChoiceSelectedAndFocusOnContinue)
{
    struct Case {
        int browser;
        const char* install;
    } cases[] = {{TOOLBAR_OFFER_IE, "&Install the Google Toolbar for Internet Explorer."},
                 {TOOLBAR_OFFER_FIREFOX, "&Install the Google Toolbar for Firefox."}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.install);
        DialogLook look;
        Autopilot pilot(0, {Inspect([&](HWND dialog) { look = LookAt(dialog); }, Key(VK_RETURN))});
        pilot.Start();
        INT_PTR result = ShowToolbarOffer(c.browser);
        pilot.Finish();

        EXPECT_EQ(OFFER_RESULT_CONTINUE | OFFER_RESULT_INSTALL, result);  // Enter installs
        EXPECT_EQ("Tarvex Setup - Google Toolbar", look.caption);
        EXPECT_EQ("The Google Toolbar allows you to:", look.heading);
        EXPECT_EQ(c.install, look.install);
        EXPECT_EQ("&Do not install the Google Toolbar.", look.decline);
        EXPECT_EQ("Terms of Use", look.terms);
        EXPECT_EQ("Privacy Policy", look.privacy);
        EXPECT_EQ(FW_BOLD, look.headingWeight);
        EXPECT_EQ(FW_BOLD, look.installWeight);
        EXPECT_LT(look.declineWeight, FW_BOLD);  // the dialog font's own weight
        EXPECT_GE(look.declineWeight, 0);
        EXPECT_TRUE(look.installChecked);
        EXPECT_FALSE(look.declineChecked);
        EXPECT_EQ(IDOK, look.focus);
    }
}

TEST_F(ToolbarOffer, DecliningStartsNothingAndClosingCancelsSetupEvenAfterAChoice)
{
    struct Case {
        const char* name;
        Answer answer;
        int choice;
    } cases[] = {{"decline, then Continue", Inspect(ChooseNotToInstall, Press(IDOK)), OFFER_GO_ON},
                 {"decline, then Esc", Inspect(ChooseNotToInstall, Key(VK_ESCAPE)), OFFER_CANCEL},
                 {"decline, then the close box", Inspect(ChooseNotToInstall, CloseBox()), OFFER_CANCEL},
                 {"the close box at once", CloseBox(), OFFER_CANCEL}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Autopilot pilot(0, {c.answer});
        pilot.Start();
        auto [choice, shown, accepted, firefox, installed, why] = MakeToolbarOffer(TOOLBAR_OFFER_FIREFOX);
        std::vector<SeenWindow> seen = pilot.Finish();
        EXPECT_EQ(c.choice, choice);
        EXPECT_EQ(1u, seen.size());  // the offer, and no message after it
        EXPECT_EQ(1, shown);
        EXPECT_EQ(1, firefox);
        EXPECT_EQ(0, installed);
        EXPECT_TRUE(RecordedEvents().empty());
    }
}

TEST_F(ToolbarOffer, ADialogThatCannotBeMadeIsNoOffer)
{
    globals_.SetInstance(GetModuleHandleA("kernel32.dll"));  // holds no dialog 500
    Autopilot pilot(0, {});
    pilot.Start();
    auto [choice, shown, accepted, firefox, installed, why] = MakeToolbarOffer(TOOLBAR_OFFER_IE);
    std::vector<SeenWindow> seen = pilot.Finish();
    EXPECT_EQ(OFFER_GO_ON, choice);
    EXPECT_EQ(0, shown);
    EXPECT_EQ(0, firefox);
    EXPECT_EQ(0, installed);
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(RecordedEvents().empty());
}

// What the user is told for each exit code of the partner launcher.
TEST_F(ToolbarOffer, EachLauncherExitCodeGivesItsMessageAndChoice)
{
    static const std::string Partner = "http://www.google.com";
    struct Case {
        int browser;
        const char* exitCode;
        const char* text;  // NULL: no message
        UINT icon;
        int choice;
        int installed;
    } cases[] = {
        {TOOLBAR_OFFER_IE, "0",
         "The Google Toolbar has been installed and will appear the next time you open an Internet Explorer window.",
         MB_ICONINFORMATION, OFFER_GO_ON, 1},
        {TOOLBAR_OFFER_FIREFOX, "0",
         "The Google Toolbar has been installed and will appear the next time you open a Firefox window.",
         MB_ICONINFORMATION, OFFER_GO_ON, 1},
        {TOOLBAR_OFFER_IE, "8",
         "Tarvex was unable to install the Google Toolbar. If you wish to install the Toolbar manually, please visit ",
         MB_ICONINFORMATION, OFFER_GO_ON, 0},
        {TOOLBAR_OFFER_FIREFOX, "9",
         "Tarvex was unable to install Google Desktop Search. If you wish to install Desktop Search manually, please "
         "visit ",
         MB_ICONINFORMATION, OFFER_GO_ON, 0},
        {TOOLBAR_OFFER_IE, "10", NULL, 0, OFFER_DESKTOP_SEARCH_BLOCKED, 0},
        {TOOLBAR_OFFER_IE, "3", "Unable to run DUZORIZU.exe; error code 3.", MB_ICONERROR, OFFER_GO_ON, 0},
        {TOOLBAR_OFFER_FIREFOX, "-2", "Unable to run DUZORIZU.exe; error code -2.", MB_ICONERROR, OFFER_GO_ON, 0},
        {TOOLBAR_OFFER_IE, "-1", NULL, 0, OFFER_GO_ON, 0},  // all bits set
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("exit code ") + c.exitCode + (c.browser == TOOLBAR_OFFER_IE ? " /tbie" : " /tbff"));
        DeleteFileA("C:\\tarvex-events.log");
        SetFixtureSetting("duzorizu32.exe", "ExitCode", c.exitCode);
        Autopilot pilot(0, {Press(IDOK), Press(IDOK)});
        pilot.Start();
        auto [choice, shown, accepted, firefox, installed, why] = MakeToolbarOffer(c.browser);
        std::vector<SeenWindow> seen = pilot.Finish();

        EXPECT_EQ(c.choice, choice);
        EXPECT_EQ(c.installed, installed);
        EXPECT_EQ(1, shown);
        EXPECT_EQ(c.browser == TOOLBAR_OFFER_FIREFOX, firefox);
        ASSERT_EQ(c.text != NULL ? 2u : 1u, seen.size());
        EXPECT_EQ("Tarvex Setup - Google Toolbar", seen[0].caption);
        if (c.text != NULL) {
            EXPECT_TRUE(seen[1].messageBox);
            EXPECT_EQ("Tarvex Setup", seen[1].caption);
            std::string expected = c.text;
            if (expected.back() == ' ')
                expected += Partner + ".";
            EXPECT_EQ(expected, seen[1].text);
            EXPECT_EQ(c.icon, seen[1].icon);
        }
        std::vector<std::string> events = RecordedEvents();
        ASSERT_EQ(1u, events.size());
        std::string arguments = c.browser == TOOLBAR_OFFER_IE ? "/tbie" : "/tbff";
        EXPECT_EQ("duzorizu32.exe\t" + arguments + "\tinstalled=no\tfrom=C:\\Partners\\duzorizu32.exe", events[0]);
    }
}

TEST_F(ToolbarOffer, AMissingLauncherIsReportedAndSetupGoesOn)
{
    DeleteFileA("C:\\Partners\\duzorizu32.exe");
    // A launcher in the current folder is not the one beside setup.
    CreateDirectoryA("C:\\Elsewhere", NULL);
    ASSERT_TRUE(CopyFixture("duzorizu32.exe", "C:\\Elsewhere\\duzorizu32.exe"));
    SetCurrentDirectoryA("C:\\Elsewhere");
    Autopilot pilot(0, {Press(IDOK), Press(IDOK)});
    pilot.Start();
    auto [choice, shown, accepted, firefox, installed, why] = MakeToolbarOffer(TOOLBAR_OFFER_IE);
    std::vector<SeenWindow> seen = pilot.Finish();
    SetCurrentDirectoryA("C:\\");
    EXPECT_EQ(OFFER_GO_ON, choice);
    EXPECT_EQ(0, installed);
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ("Unable to locate/run DUZORIZU.", seen[1].text);
    EXPECT_EQ("Tarvex Setup", seen[1].caption);
    EXPECT_EQ((UINT)MB_ICONWARNING, seen[1].icon);
    EXPECT_TRUE(RecordedEvents().empty());
}

// What a user sees of the links and does with them, in one sitting of the
// dialog: where they are, Tab onto them, Space and a click, and Enter.
struct LinkSitting {
    RECT terms{}, privacy{}, gap{};
    int termsTextWidth = -1, privacyTextWidth = -1;
    bool underlined = false;
    std::vector<int> tabStops;
    size_t eventsAfterSpace = 0, eventsAfterClick = 0;
    bool openAfterLinks = false, installStillChecked = false;
    COLORREF linkColour = 0, plainColour = 0;
};

static int TextWidth(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    HFONT font = (HFONT)SendMessageA(control, WM_GETFONT, 0, 0);
    HDC dc = GetDC(NULL);
    HGDIOBJ kept = SelectObject(dc, font);
    std::string text = WindowText(control);
    SIZE size = {-1, -1};
    GetTextExtentPoint32A(dc, text.c_str(), (int)text.size(), &size);
    SelectObject(dc, kept);
    ReleaseDC(NULL, dc);
    return size.cx;
}

static COLORREF TextColourFor(HWND dialog, int id)
{
    HDC dc = CreateCompatibleDC(NULL);
    SetTextColor(dc, RGB(1, 2, 3));
    SendMessageA(dialog, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)GetDlgItem(dialog, id));
    COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
}

static void WorkTheLinks(HWND dialog, LinkSitting* s)
{
    s->terms = PlaceOf(dialog, IDC_TOOLBAR_TERMS);
    s->privacy = PlaceOf(dialog, IDC_TOOLBAR_PRIVACY);
    s->gap = {146, 0, 150, 0};
    MapDialogRect(dialog, &s->gap);
    s->termsTextWidth = TextWidth(dialog, IDC_TOOLBAR_TERMS);
    s->privacyTextWidth = TextWidth(dialog, IDC_TOOLBAR_PRIVACY);
    LOGFONTA font;
    HFONT linkFont = (HFONT)SendMessageA(GetDlgItem(dialog, IDC_TOOLBAR_TERMS), WM_GETFONT, 0, 0);
    s->underlined = GetObjectA(linkFont, sizeof font, &font) != 0 && font.lfUnderline;
    s->linkColour = TextColourFor(dialog, IDC_TOOLBAR_PRIVACY);
    s->plainColour = TextColourFor(dialog, IDC_TOOLBAR_HEADING);

    // Once round the tab stops and on to "Terms of Use", then Space.
    for (int i = 0; i < 6; ++i) {
        HWND before = FocusedControl(dialog);
        PressKey(dialog, VK_TAB);
        WaitUntil([&] { return FocusedControl(dialog) != before; });
        s->tabStops.push_back(GetDlgCtrlID(FocusedControl(dialog)));
    }
    PressKey(dialog, VK_SPACE);
    s->eventsAfterSpace = WaitForEvents(1);
    Sleep(300);  // time for a second opening, which must not come
    ClickControl(dialog, IDC_TOOLBAR_PRIVACY, 3, 3);
    s->eventsAfterClick = WaitForEvents(2);
    Sleep(300);
    s->openAfterLinks = IsWindowVisible(dialog) != FALSE;
    s->installStillChecked = Checked(dialog, IDC_TOOLBAR_INSTALL);
    // Enter, with the focus on a link, still presses Continue.
}

TEST_F(ToolbarOffer, TheLinksSitBesideTheGapOpenTheirTargetsAndLeaveTheDialogAsItWas)
{
    RegisterRecordingBrowser();
    LinkSitting s;
    Autopilot pilot(0, {Inspect([&](HWND dialog) { WorkTheLinks(dialog, &s); }, Key(VK_RETURN))});
    pilot.Start();
    INT_PTR result = ShowToolbarOffer(TOOLBAR_OFFER_IE);
    pilot.Finish();

    EXPECT_EQ(s.gap.left, s.terms.right);
    EXPECT_EQ(s.gap.right, s.privacy.left);
    EXPECT_EQ(s.termsTextWidth, s.terms.right - s.terms.left);
    EXPECT_EQ(s.privacyTextWidth, s.privacy.right - s.privacy.left);
    EXPECT_GT(s.termsTextWidth, 20);
    EXPECT_TRUE(s.underlined);
    EXPECT_EQ(RGB(0, 0, 192), s.linkColour);
    EXPECT_NE(RGB(0, 0, 192), s.plainColour);
    // The selected radio button is a tab stop of its own.
    EXPECT_EQ((std::vector<int>{IDC_TOOLBAR_INSTALL, IDC_TOOLBAR_TERMS, IDC_TOOLBAR_PRIVACY, IDOK, IDC_TOOLBAR_INSTALL,
                                IDC_TOOLBAR_TERMS}),
              s.tabStops);

    EXPECT_EQ(1u, s.eventsAfterSpace);
    EXPECT_EQ(2u, s.eventsAfterClick);
    std::vector<std::string> events = RecordedEvents();
    ASSERT_EQ(2u, events.size());
    EXPECT_EQ(0u, events[0].find("browser.exe\t\"" + Gate + "GOTBTU\"\t")) << events[0];
    EXPECT_EQ(0u, events[1].find("browser.exe\t\"" + Gate + "GOTBPR\"\t")) << events[1];
    EXPECT_TRUE(s.openAfterLinks);
    EXPECT_TRUE(s.installStillChecked);
    EXPECT_EQ(OFFER_RESULT_CONTINUE | OFFER_RESULT_INSTALL, result);
}

TEST_F(ToolbarOffer, ADoubleClickOnEachLinkOpensItsPageOnce)
{
    RegisterRecordingBrowser();
    size_t afterTerms = 0, afterPrivacy = 0;
    Autopilot pilot(0, {Inspect(
                            [&](HWND dialog) {
                                DoubleClickControl(dialog, IDC_TOOLBAR_TERMS, 3, 3);
                                afterTerms = WaitForEvents(1);
                                Sleep(500);  // time for a second opening, which must not come
                                DoubleClickControl(dialog, IDC_TOOLBAR_PRIVACY, 3, 3);
                                afterPrivacy = WaitForEvents(2);
                                Sleep(500);
                            },
                            Key(VK_RETURN))});
    pilot.Start();
    ShowToolbarOffer(TOOLBAR_OFFER_IE);
    pilot.Finish();

    EXPECT_EQ(1u, afterTerms);
    EXPECT_EQ(2u, afterPrivacy);
    std::vector<std::string> events = RecordedEvents();
    ASSERT_EQ(2u, events.size());
    EXPECT_EQ(0u, events[0].find("browser.exe\t\"" + Gate + "GOTBTU\"\t")) << events[0];
    EXPECT_EQ(0u, events[1].find("browser.exe\t\"" + Gate + "GOTBPR\"\t")) << events[1];
}

// A link's focus rectangle is drawn by inverting: a repaint while the link
// has the focus must keep it, or taking the focus away would invert it back
// in as a stray rectangle.
TEST_F(ToolbarOffer, ALinksFocusRectangleOutlastsARepaintAndGoesWithTheFocus)
{
    std::vector<uint32_t> plain, focused, repainted, left;
    auto tabTo = [](HWND dialog, int id) {
        PressKey(dialog, VK_TAB);
        WaitUntil([&] { return GetDlgCtrlID(FocusedControl(dialog)) == id; });
        Sleep(300);  // time for the screen to show it
    };
    Autopilot pilot(0, {Inspect(
                            [&](HWND dialog) {
                                RECT around = PlaceOf(dialog, IDC_TOOLBAR_TERMS);
                                InflateRect(&around, 3, 3);
                                MapWindowPoints(dialog, NULL, (POINT*)&around, 2);
                                PaintNow(dialog);
                                plain = ScreenPixels(around);
                                tabTo(dialog, IDC_TOOLBAR_INSTALL);
                                tabTo(dialog, IDC_TOOLBAR_TERMS);
                                focused = ScreenPixels(around);
                                PaintNow(dialog);
                                repainted = ScreenPixels(around);
                                tabTo(dialog, IDC_TOOLBAR_PRIVACY);
                                left = ScreenPixels(around);
                            },
                            Key(VK_RETURN))});
    pilot.Start();
    ShowToolbarOffer(TOOLBAR_OFFER_IE);
    pilot.Finish();

    EXPECT_NE(plain, focused);
    EXPECT_EQ(focused, repainted);
    EXPECT_EQ(plain, left);
}

static std::vector<uint32_t> BitmapPixels(int id, int* width, int* height)
{
    HBITMAP bitmap = LoadBitmapA(SetupInstance, MAKEINTRESOURCEA(id));
    BITMAP size;
    GetObjectA(bitmap, sizeof size, &size);
    *width = size.bmWidth;
    *height = size.bmHeight;
    HDC memory = CreateCompatibleDC(NULL);
    HGDIOBJ kept = SelectObject(memory, bitmap);
    std::vector<uint32_t> pixels = CopyPixels(memory, 0, 0, size.bmWidth, size.bmHeight);
    SelectObject(memory, kept);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return pixels;
}

TEST_F(ToolbarOffer, ThePictureShowsTheFramesBackgroundWhereTheBitmapIsBlack)
{
    for (int browser : {TOOLBAR_OFFER_IE, TOOLBAR_OFFER_FIREFOX}) {
        SCOPED_TRACE(browser);
        std::vector<uint32_t> shown;
        RECT place{};
        uint32_t background = 0;
        Autopilot pilot(0, {Inspect(
                                [&](HWND dialog) {
                                    PaintNow(dialog);
                                    GetWindowRect(GetDlgItem(dialog, IDC_TOOLBAR_PICTURE), &place);
                                    shown = ScreenPixels(place);
                                    RECT beside = {place.left - 3, place.top + 10, place.left - 2, place.top + 11};
                                    background = ScreenPixels(beside)[0];
                                },
                                Press(IDOK))});
        pilot.Start();
        ShowToolbarOffer(browser);
        pilot.Finish();

        int width = 0, height = 0;
        std::vector<uint32_t> bitmap =
            BitmapPixels(browser == TOOLBAR_OFFER_IE ? IDB_TOOLBAR_IE : IDB_TOOLBAR_FIREFOX, &width, &height);
        int shownWidth = place.right - place.left, shownHeight = place.bottom - place.top;
        ASSERT_GT(shownWidth, 300);
        ASSERT_GT(shownHeight, 40);
        ASSERT_EQ(bitmap[0], 0u);  // the corners are black
        size_t black = 0, wrong = 0, checked = 0;
        for (int y = 0; y < shownHeight && y < height; ++y)
            for (int x = 0; x < shownWidth && x < width; ++x) {
                uint32_t picture = bitmap[(size_t)y * width + x];
                uint32_t expected = picture == 0 ? background : picture;
                black += picture == 0;
                wrong += shown[(size_t)y * shownWidth + x] != expected;
                ++checked;
            }
        EXPECT_GT(black, 100u);
        EXPECT_GT(checked - black, 1000u);
        EXPECT_EQ(0u, wrong) << "of " << checked << " pixels";
        EXPECT_NE(0u, background);
    }
}

// Pictures of both dialogs for the README, taken only when asked for
// (scripts/take-pictures.sh names the folder).

TEST(LauncherExitCodes, EachCodeHasItsMessageIconInstalledFlagAndChoice)
{
    struct Row {
        int browser, exitCode;
        UINT message, icon;
        int installed, choice;
    } rows[] = {
        {TOOLBAR_OFFER_IE, 0, IDS_TOOLBAR_INSTALLED_IE, MB_ICONINFORMATION, 1, OFFER_GO_ON},
        {TOOLBAR_OFFER_FIREFOX, 0, IDS_TOOLBAR_INSTALLED_FIREFOX, MB_ICONINFORMATION, 1, OFFER_GO_ON},
        {TOOLBAR_OFFER_IE, 8, IDS_TOOLBAR_FAILED, MB_ICONINFORMATION, 0, OFFER_GO_ON},
        {TOOLBAR_OFFER_IE, 9, IDS_DESKTOP_SEARCH_FAILED, MB_ICONINFORMATION, 0, OFFER_GO_ON},
        {TOOLBAR_OFFER_IE, 10, 0, MB_ICONINFORMATION, 0, OFFER_DESKTOP_SEARCH_BLOCKED},
        {TOOLBAR_OFFER_IE, -1, 0, MB_ICONINFORMATION, 0, OFFER_GO_ON},
        {TOOLBAR_OFFER_FIREFOX, 1, IDS_LAUNCHER_ERROR, MB_ICONERROR, 0, OFFER_GO_ON},
        {TOOLBAR_OFFER_IE, 11, IDS_LAUNCHER_ERROR, MB_ICONERROR, 0, OFFER_GO_ON},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.exitCode);
        LauncherVerdict verdict = ClassifyLauncherExit(row.browser, row.exitCode);
        EXPECT_EQ(row.message, verdict.message);
        if (row.message != 0)
            EXPECT_EQ(row.icon, verdict.icon);
        EXPECT_EQ(row.installed, verdict.installed);
        EXPECT_EQ(row.choice, verdict.choice);
    }
}
