// The hyperlink label on its own: how MakeHyperlink splits a control's text
// into the words shown and the address opened, how it sizes the control,
// and that a link without an address never calls the shell. The links of
// the real offer dialog, as a user works them, are in toolbar_offer_test.
#include <gtest/gtest.h>
#include <string>
#include "ui/hyperlink.h"
#include "ui/hyperlink_drawing.h"
#include "platform/globals.h"
#include "resources/resource.h"
#include "setup_run.h"

static INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// Dialog 500 made modeless on this thread, with a test dialog procedure, so
// that its link controls can be given any text before they become links.
class LinkControl : public testing::Test {
protected:
    void SetUp() override
    {
        dialog_ = CreateDialogParamA(SetupInstance, MAKEINTRESOURCEA(IDD_TOOLBAR_IE), NULL, PlainDialogProc, 0);
        ASSERT_NE(nullptr, dialog_);
    }
    void TearDown() override
    {
        if (dialog_ != NULL)
            DestroyWindow(dialog_);
    }
    const HyperlinkObject* Link(const char* text)
    {
        SetDlgItemTextA(dialog_, IDC_TOOLBAR_TERMS, text);
        MakeHyperlink(dialog_, IDC_TOOLBAR_TERMS);
        return (const HyperlinkObject*)GetPropA(GetDlgItem(dialog_, IDC_TOOLBAR_TERMS), HYPERLINK_OBJECT_PROPERTY);
    }
    std::string Shown()
    {
        char text[256] = "";
        GetDlgItemTextA(dialog_, IDC_TOOLBAR_TERMS, text, sizeof text);
        return text;
    }
    RECT PlaceOf(int id)
    {
        RECT rect;
        GetWindowRect(GetDlgItem(dialog_, id), &rect);
        MapWindowPoints(NULL, dialog_, (POINT*)&rect, 2);
        return rect;
    }
    HWND dialog_ = NULL;
};

TEST_F(LinkControl, ShowsTheWordsAndOpensExactlyWhatIsBetweenTheBrackets)
{
    const HyperlinkObject* link = Link("Privacy Policy<http://www.tarvex.example/a b?c=d&e=f>");
    ASSERT_NE(nullptr, link);
    EXPECT_EQ("Privacy Policy", Shown());
    ASSERT_NE(nullptr, link->target);
    EXPECT_STREQ("http://www.tarvex.example/a b?c=d&e=f", link->target);
    EXPECT_EQ(IDC_TOOLBAR_TERMS, link->controlId);
    EXPECT_EQ(dialog_, link->parent);
}

TEST_F(LinkControl, OnlyTheLastBracketPairNamesTheTargetAndTheRestIsDropped)
{
    const HyperlinkObject* link = Link("Read <first> and <http://www.tarvex.example/second> now");
    ASSERT_NE(nullptr, link);
    EXPECT_EQ("Read <first> and ", Shown());
    EXPECT_STREQ("http://www.tarvex.example/second", link->target);
}

TEST_F(LinkControl, WithoutAClosingBracketTheTextStaysWholeAndThereIsNoTarget)
{
    const HyperlinkObject* link = Link("Terms> of <Use");
    ASSERT_NE(nullptr, link);
    EXPECT_EQ("Terms> of <Use", Shown());
    EXPECT_EQ(nullptr, link->target);

    DestroyWindow(dialog_);
    SetUp();
    link = Link("Terms of Use");
    ASSERT_NE(nullptr, link);
    EXPECT_EQ("Terms of Use", Shown());
    EXPECT_EQ(nullptr, link->target);
}

TEST_F(LinkControl, AnEmptyPairShowsNothingAndHasAnEmptyTarget)
{
    const HyperlinkObject* link = Link("<>");
    ASSERT_NE(nullptr, link);
    EXPECT_EQ("", Shown());
    ASSERT_NE(nullptr, link->target);
    EXPECT_STREQ("", link->target);
    EXPECT_EQ(0, PlaceOf(IDC_TOOLBAR_TERMS).right - PlaceOf(IDC_TOOLBAR_TERMS).left);
}

TEST_F(LinkControl, ACentredLinkKeepsItsCentre)
{
    HWND control = GetDlgItem(dialog_, IDC_TOOLBAR_TERMS);
    SetWindowLongA(control, GWL_STYLE, (GetWindowLongA(control, GWL_STYLE) & ~SS_TYPEMASK) | SS_CENTER);
    RECT before = PlaceOf(IDC_TOOLBAR_TERMS);
    Link("Use<http://www.tarvex.example/>");
    RECT after = PlaceOf(IDC_TOOLBAR_TERMS);
    EXPECT_LT(after.right - after.left, before.right - before.left);
    EXPECT_LE(abs((after.left + after.right) - (before.left + before.right)), 1);
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(before.bottom, after.bottom);
}

TEST_F(LinkControl, ALinkWithoutATargetNeverCallsTheShell)
{
    DeleteFileA("C:\\tarvex-events.log");
    RegisterRecordingBrowser();
    Link("Terms of Use");
    SendMessageA(GetDlgItem(dialog_, IDC_TOOLBAR_TERMS), WM_CHAR, ' ', 1);
    SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDC_TOOLBAR_TERMS, STN_CLICKED),
                 (LPARAM)GetDlgItem(dialog_, IDC_TOOLBAR_TERMS));
    DestroyWindow(dialog_);
    SetUp();
    Link("<>");
    SendMessageA(GetDlgItem(dialog_, IDC_TOOLBAR_TERMS), WM_CHAR, ' ', 1);
    Sleep(1000);
    EXPECT_EQ(0u, RecordedEvents().size());

    // The same key on a link with a target does reach the browser.
    DestroyWindow(dialog_);
    SetUp();
    Link("Terms of Use<http://www.tarvex.example/terms>");
    SendMessageA(GetDlgItem(dialog_, IDC_TOOLBAR_TERMS), WM_CHAR, ' ', 1);
    ASSERT_EQ(1u, WaitForEvents(1));
    EXPECT_EQ(0u, RecordedEvents()[0].find("browser.exe\t\"http://www.tarvex.example/terms\"\t"))
        << RecordedEvents()[0];
}

TEST_F(LinkControl, DestroyingTheDialogGivesTheDialogItsOwnProcedureBack)
{
    WNDPROC own = (WNDPROC)GetWindowLongPtrA(dialog_, GWLP_WNDPROC);
    Link("Terms of Use<http://www.tarvex.example/>");
    EXPECT_EQ((LONG_PTR)HyperlinkParentProc, GetWindowLongPtrA(dialog_, GWLP_WNDPROC));
    HWND control = GetDlgItem(dialog_, IDC_TOOLBAR_TERMS);
    const HyperlinkObject* link = (const HyperlinkObject*)GetPropA(control, HYPERLINK_OBJECT_PROPERTY);
    ASSERT_NE(nullptr, link);
    HFONT underline = link->underlineFont;
    ASSERT_NE(nullptr, underline);
    DestroyWindow(control);
    EXPECT_EQ((LONG_PTR)own, GetWindowLongPtrA(dialog_, GWLP_WNDPROC));
    EXPECT_EQ(0u, GetObjectType(underline));  // the underlined font was deleted
}
