#include <gtest/gtest.h>
#include <string>
#include "text/messages.h"
#include "platform/globals.h"
#include "ui_driver.h"

static const char* FileManagerMessage =
    "The Tarvex installation procedure can not close the \"Tarvex File Manager Extension\" from your existing "
    "version of Tarvex.\n\nTo install this new version of Tarvex, please\n\n"
    "1) Close the File Manager, or, if you are running a \"shell\" like Norton Desktop, exit and restart Windows, "
    "then\n\n2) Run the Tarvex installation procedure again";

TEST(LoadMessageText, JoinsContinuedTextsWithoutTheMark)
{
    EXPECT_STREQ(FileManagerMessage, LoadMessageText(1044));
    EXPECT_STREQ("1) Close the File Manager, or, if you are running a \"shell\" like Norton Desktop, exit and restart "
                 "Windows, then\n\n2) Run the Tarvex installation procedure again",
                 LoadMessageText(1045));
}

TEST(LoadMessageText, RotatesOverThreeBuffers)
{
    const char* first = LoadMessageText(1021);
    const char* second = LoadMessageText(1022);
    const char* third = LoadMessageText(1052);
    EXPECT_NE(first, second);
    EXPECT_NE(second, third);
    EXPECT_NE(first, third);
    EXPECT_STREQ("Tarvex Setup", first);  // survives the next two calls
    EXPECT_STREQ("Tarvex Self-Extractor Personal Edition", second);
    const char* fourth = LoadMessageText(1074);
    EXPECT_EQ(first, fourth);
    EXPECT_STREQ("TARVEX140.MSI", fourth);
}

TEST(LoadMessageText, AcceptsAChainOfExactly512Characters)
{
    const char* text = LoadMessageText(2000);
    EXPECT_EQ(511u, strlen(text));  // the mark is counted, not kept
    EXPECT_EQ(std::string(300, 'A') + std::string(211, 'B'), text);
}

// The loader reports a missing or overlong text in a box of its own, with
// the system's default caption, and returns what it had collected.
static std::vector<SeenWindow> ShowLoaderFailure(UINT id, std::string* text)
{
    Autopilot pilot(0, {Press(IDOK)});
    pilot.Start();
    *text = LoadMessageText(id);
    return pilot.Finish();
}

TEST(LoadMessageText, ReportsAMissingContinuationByItsId)
{
    std::string text;
    std::vector<SeenWindow> seen = ShowLoaderFailure(2020, &text);
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Internal error: string resource not found: 2021", seen[0].text);
    EXPECT_EQ("Error", seen[0].caption);
    EXPECT_EQ((UINT)MB_ICONERROR, seen[0].icon);
    EXPECT_EQ("first part", text);
}

TEST(LoadMessageText, ReportsTheFirstPieceThatDoesNotFit)
{
    std::string text;
    std::vector<SeenWindow> seen = ShowLoaderFailure(2010, &text);
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Internal error: string resource too long: 2011", seen[0].text);
    EXPECT_EQ(std::string(300, 'A'), text);
}

TEST(LoadMessageText, ReportsAMissingText)
{
    std::string text;
    std::vector<SeenWindow> seen = ShowLoaderFailure(1999, &text);
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Internal error: string resource not found: 1999", seen[0].text);
    EXPECT_EQ("", text);
}

TEST(LoadMessageText, ShowsNoBoxOfItsOwnInAnUnattendedRun)
{
    AnswerMessagesUnseen(1);
    std::string missing, tooLong;
    std::vector<SeenWindow> seen = ShowLoaderFailure(1999, &missing);
    std::vector<SeenWindow> seenTooLong = ShowLoaderFailure(2010, &tooLong);
    AnswerMessagesUnseen(0);
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(seenTooLong.empty());
    EXPECT_EQ("", missing);
    EXPECT_EQ(std::string(300, 'A'), tooLong);
}

TEST(ShowMessage, FormatsTheTextAndShowsItUnderTheSetupCaption)
{
    Autopilot pilot(0, {Press(IDRETRY)});
    pilot.Start();
    int answer = ShowMessage(NULL, 1064, MB_ICONWARNING | MB_RETRYCANCEL, "C:\\Downloads\\", "TARVEX140.MSI");
    std::vector<SeenWindow> seen = pilot.Finish();
    EXPECT_EQ(IDRETRY, answer);
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Tarvex Setup", seen[0].caption);
    EXPECT_EQ("Setup was unable to start the following installation file C:\\Downloads\\TARVEX140.MSI", seen[0].text);
    EXPECT_EQ((UINT)MB_ICONWARNING, seen[0].icon);
}

TEST(ShowMessage, CutsALongResultAt512Characters)
{
    std::string argument(600, 'x');
    Autopilot pilot(0, {Press(IDOK)});
    pilot.Start();
    ShowMessage(NULL, 2030, MB_OK, argument.c_str(), 7);
    std::vector<SeenWindow> seen = pilot.Finish();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(std::string(512, 'x'), seen[0].text);
}
