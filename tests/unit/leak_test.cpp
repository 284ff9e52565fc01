// Every offer dialog opened and closed 200 times in one process leaves no
// GDI object, kernel handle, window or heap block behind: the toolbar
// offers 500 and 503 with their links and picture, the e-mail companion
// offer 800, the registry cleaner offer 900 (its partner DLL loaded and
// freed each time) and the help viewer dialog 400. The dialogs are opened
// through the product's own show functions and answered from within their
// modal loop, after they have been painted and their links have had the
// focus, alternately with Continue and with Esc.
#include <gtest/gtest.h>
#include <string>
#include "offers/eligibility.h"
#include "offers/offers.h"
#include "offers/toolbar_offer.h"
#include "setup/windows_version.h"
#include "setup/help_viewer.h"
#include "setup/running_copies.h"
#include "setup/file_manager_extension.h"
#include "setup/registry_probe.h"
#include "platform/globals.h"
#include "resources/resource.h"
#include "resource_counts.h"
#include "fixture_process.h"
#include "setup_globals.h"
#include "setup_run.h"

namespace {

const int Cycles = 200;
// What a dialog may leave the first times it opens: pictures and masks
// loaded once for the process, the system's caches of fonts and classes.
const int WarmUpCycles = 2;

struct Answering {
    int button;              // IDOK or IDCANCEL
    const int* links;        // controls to give the focus, 0-ended
    HWND dialog;
    int answered;
    bool pending;
} Current;

BOOL CALLBACK FindThreadDialog(HWND window, LPARAM found)
{
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window)) {
        *(HWND*)found = window;
        return FALSE;
    }
    return TRUE;
}

// Answers the dialog from its own modal loop, at the first message the
// loop takes once the dialog is visible: paints it in full, gives each
// link the focus and takes it away again, then presses the button.
LRESULT CALLBACK AnswerFromTheModalLoop(int code, WPARAM removal, LPARAM message)
{
    HWND dialog = NULL;
    if (code == HC_ACTION && removal == PM_REMOVE && Current.pending)
        EnumThreadWindows(GetCurrentThreadId(), FindThreadDialog, (LPARAM)&dialog);
    if (dialog != NULL) {
        Current.pending = false;
        RedrawWindow(dialog, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        for (const int* id = Current.links; id != NULL && *id != 0; ++id) {
            HWND link = GetDlgItem(dialog, *id);
            SetFocus(link);  // draws the focus rectangle, and erases it when the focus moves on
            SendMessageA(link, WM_SETCURSOR, (WPARAM)link, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        }
        SetFocus(GetDlgItem(dialog, IDOK));
        Current.dialog = dialog;
        ++Current.answered;
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(Current.button, BN_CLICKED), 0);
    }
    return CallNextHookEx(NULL, code, removal, message);
}

template <typename Show>
void OpenAndAnswer(Show show, int button, const int* links)
{
    Current.button = button;
    Current.links = links;
    Current.pending = true;
    int answeredBefore = Current.answered;
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, AnswerFromTheModalLoop, NULL, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
    show();
    UnhookWindowsHookEx(hook);
    Current.pending = false;
    ASSERT_EQ(answeredBefore + 1, Current.answered) << "the dialog did not open";
    ASSERT_FALSE(IsWindow(Current.dialog));
}

// The same template under a procedure that does nothing but end it:
// what Wine itself keeps per opening (its heap grows by a few blocks for
// every dialog box it makes, whoever the dialog belongs to).
INT_PTR CALLBACK PlainProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND)
        return FALSE;
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
}

const int ReferenceCycles = 10;

long WineHeapGrowthPerOpening(int templateId)
{
    auto plain = [templateId] {
        (void)DialogBoxParamA(SetupInstance, MAKEINTRESOURCEA(templateId), NULL, PlainProcedure, 0);
    };
    for (int i = 0; i < WarmUpCycles; ++i)
        OpenAndAnswer(plain, IDOK, NULL);
    long before = CountHeapBlocks();
    for (int i = 0; i < ReferenceCycles; ++i)
        OpenAndAnswer(plain, i % 2 ? IDCANCEL : IDOK, NULL);
    return (CountHeapBlocks() - before + ReferenceCycles / 2) / ReferenceCycles;
}

// Opens the dialog Cycles times after a warm-up and checks the counts.
template <typename Show>
void ExpectNoLeak(const char* name, int templateId, Show show, const int* links = NULL)
{
    long wineGrowth = WineHeapGrowthPerOpening(templateId);
    for (int i = 0; i < WarmUpCycles; ++i)
        ASSERT_NO_FATAL_FAILURE(OpenAndAnswer(show, i % 2 ? IDCANCEL : IDOK, links)) << name;
    ResourceCounts before = CountResources();
    for (int i = 0; i < Cycles; ++i)
        ASSERT_NO_FATAL_FAILURE(OpenAndAnswer(show, i % 2 ? IDCANCEL : IDOK, links)) << name;
    ResourceCounts after = CountResources();
    std::string growth = ResourceGrowth(before, after);
    EXPECT_LE(after.gdiObjects, before.gdiObjects + 2) << name << ": " << growth;
    EXPECT_LE(after.kernelHandles, before.kernelHandles + 2) << name << ": " << growth;
    EXPECT_LE(after.threadWindows, before.threadWindows) << name << ": " << growth;
    // A block left per opening would be 200 more than Wine's own.
    EXPECT_LE(after.heapBlocks, before.heapBlocks + Cycles * wineGrowth + 20)
        << name << ": " << growth << "; Wine's own per opening: " << wineGrowth;
}

const int ToolbarLinks[] = {IDC_TOOLBAR_TERMS, IDC_TOOLBAR_PRIVACY, 0};
const char* PartnerFolder = "C:\\Partners\\";

void UsePartnerFiles(GlobalsScope& globals)
{
    CreateDirectoryA(PartnerFolder, NULL);
    for (const char* name : {"TarvexEmailComp20.exe", "RB2compatibilityCheck.dll", "RegistryBooster2Tvex.exe"})
        ASSERT_TRUE(CopyFixture(name, std::string(PartnerFolder) + name)) << name;
    globals.SetSourceFolder(PartnerFolder);
    globals.SetVistaOrLater(0);
}

}  // namespace

// The counters see what a leak would leave: without this a broken count
// would pass every test below.
TEST(ResourceCounters, SeeALeakedFontHandleWindowAndBlock)
{
    // The first window of the process brings the system's own objects.
    DestroyWindow(CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL));
    ResourceCounts before = CountResources();
    LOGFONTA description = {};
    description.lfHeight = 13;
    HFONT font = CreateFontIndirectA(&description);
    HANDLE event = CreateEventA(NULL, FALSE, FALSE, NULL);
    HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    void* block = HeapAlloc(GetProcessHeap(), 0, 64);
    ResourceCounts during = CountResources();
    DeleteObject(font);
    CloseHandle(event);
    DestroyWindow(window);
    HeapFree(GetProcessHeap(), 0, block);
    ResourceCounts after = CountResources();
    EXPECT_EQ(before.gdiObjects + 1, during.gdiObjects);
    EXPECT_EQ(before.kernelHandles + 1, during.kernelHandles);
    EXPECT_LT(before.threadWindows, during.threadWindows);
    EXPECT_LE(before.heapBlocks + 1, during.heapBlocks);
    EXPECT_EQ(before.gdiObjects, after.gdiObjects);
    EXPECT_EQ(before.kernelHandles, after.kernelHandles);
    EXPECT_EQ(before.threadWindows, after.threadWindows);
}

TEST(OfferDialogLeaks, ToolbarOfferForInternetExplorer)
{
    ExpectNoLeak("dialog 500", IDD_TOOLBAR_IE, [] { ShowToolbarOffer(TOOLBAR_OFFER_IE); }, ToolbarLinks);
}

TEST(OfferDialogLeaks, ToolbarOfferForFirefox)
{
    ExpectNoLeak("dialog 503", IDD_TOOLBAR_FIREFOX, [] { ShowToolbarOffer(TOOLBAR_OFFER_FIREFOX); }, ToolbarLinks);
}

TEST(OfferDialogLeaks, EmailCompanionOffer)
{
    GlobalsScope globals;
    ASSERT_NO_FATAL_FAILURE(UsePartnerFiles(globals));
    ExpectNoLeak("dialog 800", IDD_EMAIL_COMPANION, [] {
        (void)OfferEmailCompanion();  // the answer alternates; the count is what matters
    });
}

TEST(OfferDialogLeaks, RegistryCleanerOffer)
{
    GlobalsScope globals;
    ASSERT_NO_FATAL_FAILURE(UsePartnerFiles(globals));
    ExpectNoLeak("dialog 900", IDD_REGISTRY_CLEANER, [] {
        (void)OfferRegistryCleaner();  // as above
    });
    EXPECT_EQ(nullptr, GetModuleHandleA("RB2compatibilityCheck.dll")) << "the partner DLL stays loaded";
}

TEST(OfferDialogLeaks, HelpViewerDialog)
{
    // The system's help control replaced by one older than setup accepts
    // (this test's Wine prefix is its own).
    InstallHelpControl("4.72.7324.65535");
    ExpectNoLeak("dialog 400", IDD_HELP_VIEWER, [] { EXPECT_EQ(0, CheckHelpViewer()); });
}
