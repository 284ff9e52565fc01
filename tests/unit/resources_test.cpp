// The resources of the built programs, read back out of the files and
// compared with the layout, texts and artwork setup must have.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "dialog_template.h"
#include "pe_file.h"
#include "test_paths.h"

static const DWORD Child = WS_CHILD | WS_VISIBLE;
static const DWORD TLG = Child | SS_LEFT | WS_GROUP;
static const DWORD TRG = Child | SS_RIGHT | WS_GROUP;
static const DWORD ICON = Child | SS_ICON;
static const DWORD WHTFRAME = Child | SS_WHITEFRAME;
static const DWORD PUSH = Child | BS_PUSHBUTTON | WS_TABSTOP;
static const DWORD DEF = Child | BS_DEFPUSHBUTTON | WS_TABSTOP;
static const DWORD DEFG = DEF | WS_GROUP;
static const DWORD RADG = Child | BS_AUTORADIOBUTTON | WS_GROUP;
static const DWORD RAD = Child | BS_AUTORADIOBUTTON;
static const DWORD RADGML = RADG | BS_MULTILINE | BS_TOP;
static const DWORD Classic = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
static const DWORD Extended = Classic | DS_FIXEDSYS;

struct Expected {
    int id;  // -1 for texts code never addresses
    const char* className;
    DWORD style;
    short x, y, cx, cy;
    std::string text;
};

static const std::string Web = "http://www.tarvex.example";
static const std::string Gate = Web + "/txgate.cgi?lang=EN&url=www.tarvex.example/txredir.cgi&param=";

class BuiltProgram : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        module_ = LoadLibraryExA(GetParam(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, module_) << GetParam();
    }
    void TearDown() override
    {
        if (module_ != NULL)
            FreeLibrary(module_);
    }
    void ExpectDialog(int id, bool extended, const char* caption, short cx, short cy,
                      const std::vector<Expected>& controls)
    {
        DialogTemplate dialog;
        ASSERT_TRUE(ReadDialogTemplate(module_, id, &dialog)) << id;
        EXPECT_EQ(extended, dialog.extended) << id;
        EXPECT_EQ(extended ? Extended : Classic, dialog.style) << id;
        EXPECT_EQ(0u, dialog.exStyle);
        EXPECT_EQ(0u, dialog.helpId);
        EXPECT_EQ(0, dialog.x);
        EXPECT_EQ(0, dialog.y);
        EXPECT_EQ(cx, dialog.cx) << id;
        EXPECT_EQ(cy, dialog.cy) << id;
        EXPECT_EQ("", dialog.menu);
        EXPECT_EQ("", dialog.windowClass);
        EXPECT_EQ(caption, dialog.caption);
        EXPECT_EQ(8, dialog.pointSize);
        EXPECT_EQ("MS Shell Dlg", dialog.font);
        if (extended) {
            EXPECT_EQ(400, dialog.weight);
            EXPECT_EQ(0, dialog.italic);
            EXPECT_EQ(1, dialog.charset);
        }
        ASSERT_EQ(controls.size(), dialog.controls.size()) << id;
        for (size_t i = 0; i < controls.size(); ++i) {
            const Expected& want = controls[i];
            const TemplateControl& got = dialog.controls[i];
            SCOPED_TRACE(testing::Message() << "dialog " << id << " control #" << i);
            DWORD wantId = want.id != -1 ? (DWORD)want.id : extended ? 0xFFFFFFFFu : 0xFFFFu;
            EXPECT_EQ(wantId, got.id);
            EXPECT_EQ(want.className, got.className);
            EXPECT_EQ(want.style, got.style);
            EXPECT_EQ(0u, got.exStyle);
            EXPECT_EQ(0u, got.helpId);
            EXPECT_EQ(want.x, got.x);
            EXPECT_EQ(want.y, got.y);
            EXPECT_EQ(want.cx, got.cx);
            EXPECT_EQ(want.cy, got.cy);
            EXPECT_EQ(want.text, got.text);
        }
    }
    HMODULE module_ = NULL;
};

TEST_P(BuiltProgram, HelpViewerDialog)
{
    ExpectDialog(400, false, "Tarvex", 307, 90,
                 {{401, "STATIC", ICON, 6, 27, 21, 20, ""},
                  {IDOK, "BUTTON", DEF, 107, 71, 50, 14, "OK"},
                  {-1, "STATIC", TLG, 39, 9, 263, 29,
                   "Tarvex was unable to locate a recent version of the Windows HTML help viewer, which is required "
                   "to display Tarvex help.  In order to use Tarvex you will need to install or update the help "
                   "viewer."},
                  {-1, "STATIC", TLG, 39, 44, 263, 20,
                   "Information about updating your help viewer can be found on our web site at " + Web +
                       "/htmlhelp.htm.  Click on the Web button to go there now."},
                  {402, "BUTTON", PUSH, 167, 71, 50, 14, "&Web"}});
    DialogTemplate dialog;
    ReadDialogTemplate(module_, 400, &dialog);
    EXPECT_TRUE(dialog.controls[0].textIsOrdinal);
    EXPECT_EQ(0, dialog.controls[0].ordinal);
}

static std::vector<Expected> ToolbarControls(const char* installText)
{
    return {{-1, "STATIC", TLG, 6, 6, 280, 8,
             "You can also choose to install the optional and free Google Toolbar from Google, Inc."},
            {510, "STATIC", TLG, 6, 18, 280, 8, "The Google Toolbar allows you to:"},
            {-1, "STATIC", TLG, 22, 27, 147, 27,
             "*  Search the Web from any site.\n*  Eliminate annoying pop-up ads.\n*  Fill out Web forms instantly "
             "with AutoFill."},
            {515, "STATIC", WHTFRAME, 18, 56, 266, 37, ""},
            {-1, "STATIC", TLG, 6, 98, 278, 8,
             "Choose whether you want the free Google Toolbar installed, then click Continue."},
            {511, "BUTTON", RADG, 22, 108, 264, 10, installText},
            {512, "BUTTON", RAD, 22, 130, 121, 10, "&Do not install the Google Toolbar."},
            {-1, "STATIC", TLG, 32, 118, 158, 8, "You can remove the Google Toolbar at any time."},
            {-1, "STATIC", TLG, 6, 148, 280, 16,
             "By installing the Google Toolbar, you agree to abide by Google's Terms of Use and Privacy Policy."},
            {513, "STATIC", TRG, 102, 170, 44, 8, "Terms of Use<" + Gate + "GOTBTU>"},
            {514, "STATIC", TLG, 150, 170, 44, 8, "Privacy Policy<" + Gate + "GOTBPR>"},
            {IDOK, "BUTTON", DEFG, 121, 190, 50, 14, "Continue"}};
}

TEST_P(BuiltProgram, ToolbarOfferDialogs)
{
    ExpectDialog(500, false, "Tarvex Setup - Google Toolbar", 292, 210,
                 ToolbarControls("&Install the Google Toolbar for Internet Explorer."));
    ExpectDialog(503, false, "Tarvex Setup - Google Toolbar", 292, 210,
                 ToolbarControls("&Install the Google Toolbar for Firefox."));
}

TEST_P(BuiltProgram, EmailCompanionDialog)
{
    ExpectDialog(
        800, true, "Tarvex Setup - Tarvex E-Mail Companion", 280, 122,
        {{-1, "STATIC", TLG, 11, 7, 4, 8, "*"},
         {-1, "STATIC", TLG, 17, 6, 252, 8,
          "Have you ever had an e-mail bounce because the attachment was too large?"},
         {-1, "STATIC", TLG, 11, 17, 4, 8, "*"},
         {-1, "STATIC", TLG, 17, 16, 252, 16,
          "Do you wonder whether someone other than your intended recipient can read the confidential information "
          "in your attachments?"},
         {-1, "STATIC", TLG, 11, 35, 4, 8, "*"},
         {-1, "STATIC", TLG, 17, 34, 252, 8, "Does it seem to take FOREVER to send attachments via e-mail?"},
         {-1, "STATIC", TLG, 41, 50, 198, 16,
          "If you answered \"Yes\" to any of these questions, we encourage you to try Tarvex E-Mail Companion."},
         {803, "BUTTON", RADG, 11, 74, 290, 10, "&Yes, install Tarvex, then install Tarvex E-Mail Companion"},
         {804, "BUTTON", RAD, 11, 86, 290, 10, "&No, please continue installing Tarvex"},
         {IDOK, "BUTTON", DEF, 124, 102, 50, 14, "Continue"}});
}

TEST_P(BuiltProgram, RegistryCleanerDialog)
{
    ExpectDialog(
        900, true, "Tarvex Setup - Uniblue RegistryBooster 2 Offer", 300, 111,
        {{-1, "STATIC", TLG, 11, 6, 263, 16,
          "Your PC may have corrupted, unused, and possibly, harmful information in its registry, compromising "
          "performance and security."},
         {901, "STATIC", TLG, 11, 27, 263, 8, "How many problems does your computer have?"},
         {-1, "STATIC", TLG, 11, 39, 276, 8, "Find out with Uniblue RegistryBooster 2."},
         {903, "BUTTON", RADGML, 10, 51, 276, 26,
          "&Yes, please install Uniblue RegistryBooster 2 on my system so I can run a free scan of my registry.  "
          "(Correcting more than 15 errors requires purchase of RegistryBooster 2.)"},
         {904, "BUTTON", RAD, 10, 77, 276, 10, "&No thanks, please just install Tarvex."},
         {IDOK, "BUTTON", DEF, 124, 92, 50, 14, "Continue"}});
}

TEST_P(BuiltProgram, StringTable)
{
    const std::string partner = "http://www.google.com";
    const std::vector<std::pair<int, std::string>> strings = {
        {1006, "The software has not been successfully installed.\nYou must run Setup again before using the software."},
        {1021, "Tarvex Setup"},
        {1022, "Tarvex Self-Extractor Personal Edition"},
        {1025, "Setup cannot install Tarvex now because another version of Tarvex is running.  You can either\n\n1) "
               "Close all other Tarvex windows, then click on \"Retry\" to install this new version of Tarvex\n\n2) "
               "Click on \"Cancel\", and re-run the installation process later, when no Tarvex windows are open"},
        {1026, "Setup cannot install Tarvex now because Tarvex Self-Extractor Personal Edition is running.  You can "
               "either\n\n1) Click on \"Cancel\", and re-run the installation process later, when Tarvex "
               "Self-Extractor Personal Edition is closed\n\n2) Close all Tarvex Self-Extractor Personal Edition "
               "windows, then click on \"Retry\" to install this new version of Tarvex"},
        {1044, "!The Tarvex installation procedure can not close the \"Tarvex File Manager Extension\" from your "
               "existing version of Tarvex.\n\nTo install this new version of Tarvex, please\n\n"},
        {1045, "1) Close the File Manager, or, if you are running a \"shell\" like Norton Desktop, exit and restart "
               "Windows, then\n\n2) Run the Tarvex installation procedure again"},
        {1052, "Tarvex cannot be installed under this version of Windows"},
        {1057, "Tarvex cannot be installed. It must be installed by a user with administrative privileges.\n\nPlease "
               "contact your system administrator."},
        {1058, "The Google Toolbar has been installed and will appear the next time you open an Internet Explorer "
               "window."},
        {1059, "Tarvex was unable to install the Google Toolbar. If you wish to install the Toolbar manually, please "
               "visit " + partner + "."},
        {1060, "Tarvex was unable to install Google Desktop Search. If you wish to install Desktop Search manually, "
               "please visit " + partner + "."},
        {1062, "This version of Windows is not supported and Tarvex has not been tested on it. You can continue "
               "with the Tarvex installation but there may be features of Tarvex that do not function. Would you "
               "like to continue with the installation? Click \"Yes\" to continue, \"No\" to end the installation."},
        {1064, "Setup was unable to start the following installation file %s%s"},
        {1068, "Unable to locate/run DUZORIZU."},
        {1069, "Unable to run DUZORIZU.exe; error code %d."},
        {1070, "Google Desktop Search could not be installed because it was previously uninstalled without a system "
               "restart.\n\nIf you wish to install Desktop Search manually, please visit " + partner + "."},
        {1071, "Tarvex was unable to start the Email Companion installer."},
        {1072, "Tarvex was unable to start the Registry Booster installer."},
        {1073, "The Google Toolbar has been installed and will appear the next time you open a Firefox window."},
        {1074, "TARVEX140.MSI"},
    };
    ASSERT_EQ(21u, strings.size());
    for (const auto& entry : strings) {
        char text[1024] = "";
        LoadStringA(module_, entry.first, text, sizeof text);
        EXPECT_EQ(entry.second, text) << entry.first;
    }
    // Nothing else in the table: every id between the first and last block.
    int count = 0;
    for (int id = 992; id < 1088; ++id) {
        char text[8];
        count += LoadStringA(module_, id, text, sizeof text) > 0;
    }
    EXPECT_EQ(21, count);
}

static const BITMAPINFOHEADER* BitmapResource(HMODULE module, int id)
{
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), (LPCSTR)RT_BITMAP);
    return resource ? (const BITMAPINFOHEADER*)LockResource(LoadResource(module, resource)) : NULL;
}

TEST_P(BuiltProgram, ToolbarPicturesAreFramedOnBlack)
{
    for (int id : {12, 18}) {
        const BITMAPINFOHEADER* header = BitmapResource(module_, id);
        ASSERT_NE(nullptr, header) << id;
        EXPECT_EQ(40u, header->biSize);
        EXPECT_EQ(405, header->biWidth);
        EXPECT_EQ(60, header->biHeight);  // positive: rows bottom-up
        EXPECT_EQ(8, header->biBitCount);
        EXPECT_EQ((DWORD)BI_RGB, header->biCompression);
        EXPECT_TRUE(header->biClrUsed == 0 || header->biClrUsed == 256) << header->biClrUsed;
        const RGBQUAD* palette = (const RGBQUAD*)((const BYTE*)header + header->biSize);
        const BYTE* pixels = (const BYTE*)(palette + 256);
        int rowBytes = (405 + 3) & ~3;
        EXPECT_EQ((DWORD)(rowBytes * 60), header->biSizeImage);
        auto colour = [&](int x, int yFromTop) {
            const RGBQUAD& c = palette[pixels[(59 - yFromTop) * rowBytes + x]];
            return RGB(c.rgbRed, c.rgbGreen, c.rgbBlue);
        };
        for (auto corner : {std::make_pair(0, 0), std::make_pair(404, 0), std::make_pair(0, 59),
                            std::make_pair(404, 59)})
            EXPECT_EQ(RGB(0, 0, 0), colour(corner.first, corner.second)) << id;
        EXPECT_NE(RGB(0, 0, 0), colour(202, 30)) << id;  // the picture itself
    }
    // The two pictures show different browsers.
    EXPECT_NE(0, memcmp(BitmapResource(module_, 12), BitmapResource(module_, 18), 40 + 1024 + 408 * 60));
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_P(BuiltProgram, IconGroupHasNineImages)
{
    HRSRC resource = FindResourceA(module_, MAKEINTRESOURCEA(10), (LPCSTR)RT_GROUP_ICON);
    ASSERT_NE(nullptr, resource);
    const WORD* group = (const WORD*)LockResource(LoadResource(module_, resource));
    EXPECT_EQ(1, group[1]);
    ASSERT_EQ(9, group[2]);
    const IconGroupEntry* entries = (const IconGroupEntry*)(group + 3);
    std::vector<std::pair<int, int>> images;
    for (int i = 0; i < 9; ++i)
        images.push_back({entries[i].width, entries[i].bitCount});
    std::vector<std::pair<int, int>> wanted;
    for (int size : {48, 32, 16})
        for (int bits : {4, 8, 32})
            wanted.push_back({size, bits});
    EXPECT_EQ(wanted, images);
}

TEST_P(BuiltProgram, NoVersionResourceAndEnglishOnly)
{
    EXPECT_EQ(nullptr, FindResourceA(module_, MAKEINTRESOURCEA(1), (LPCSTR)RT_VERSION));
    for (int id : {400, 500, 503, 800, 900})
        EXPECT_NE(nullptr, FindResourceExA(module_, (LPCSTR)RT_DIALOG, MAKEINTRESOURCEA(id), 0x0409)) << id;
    EXPECT_NE(nullptr, FindResourceExA(module_, (LPCSTR)RT_STRING, MAKEINTRESOURCEA(1021 / 16 + 1), 0x0409));
}

static std::string Manifest(HMODULE module)
{
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(1), (LPCSTR)RT_MANIFEST);
    if (resource == NULL)
        return "";
    return std::string((const char*)LockResource(LoadResource(module, resource)), SizeofResource(module, resource));
}

TEST(ShippedProgram, ManifestDeclaresTheSetupProgram)
{
    HMODULE module = LoadLibraryExA(TEST_SETUP_PROGRAM_32, NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module);
    std::string manifest = Manifest(module);
    FreeLibrary(module);
    for (const char* part :
         {"<assemblyIdentity processorArchitecture=\"x86\" version=\"14.0.8688.0\" type=\"win32\" "
          "name=\"HalvardSoftware.Tarvex.Setup\"/>",
          "<description>Tarvex Setup</description>",
          "<assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" "
          "publicKeyToken=\"6595b64144ccf1df\" language=\"*\" processorArchitecture=\"X86\"/>",
          "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
          "<supportedOS Id=\"{e2011457-1546-43c5-a5fe-008deee3d3f0}\"/>",
          "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>"})
        EXPECT_NE(std::string::npos, manifest.find(part)) << part;
    size_t count = 0;
    for (size_t at = manifest.find("<supportedOS"); at != std::string::npos; at = manifest.find("<supportedOS", at + 1))
        ++count;
    EXPECT_EQ(2u, count);
    EXPECT_NE(std::string::npos, manifest.find("<dependency>"));
}

static bool IsPe32(const char* path, WORD* machine, WORD* subsystem)
{
    std::vector<BYTE> image = ReadWholeFile(path);
    PeFile pe(image);
    if (!pe.Valid())
        return false;
    *machine = pe.Machine();
    *subsystem = pe.Subsystem();
    return true;
}

TEST(ShippedProgram, BothBuildsAreGuiProgramsOfTheirArchitecture)
{
    WORD machine = 0, subsystem = 0;
    ASSERT_TRUE(IsPe32(TEST_SETUP_PROGRAM_32, &machine, &subsystem));
    EXPECT_EQ(IMAGE_FILE_MACHINE_I386, machine);
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, subsystem);
    ASSERT_TRUE(IsPe32(TEST_SETUP_PROGRAM_64, &machine, &subsystem));
    EXPECT_EQ(IMAGE_FILE_MACHINE_AMD64, machine);
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, subsystem);
}

INSTANTIATE_TEST_SUITE_P(Builds, BuiltProgram, testing::Values(TEST_SETUP_PROGRAM_32, TEST_SETUP_PROGRAM_64),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return info.index == 0 ? "Shipped32" : "Tested64";
                         });
