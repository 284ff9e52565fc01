// FindTextNoCase and ReadVersionPart under a double-byte system code page.
// Runs in text_tests_double_byte (LC_ALL=ja_JP.UTF-8).
#include <gtest/gtest.h>
#include "text/text_scan.h"

// Run with a double-byte system code page (932): the trail byte 0x5C of a
// double-byte character is no match for a backslash.
TEST(DoubleByteCodePage, FindTextNoCaseStepsOverDoubleByteCharacters)
{
    ASSERT_EQ(932u, GetACP());
    const char text[] = "\x83\x5C" "a\\b";
    EXPECT_EQ(text + 3, FindTextNoCase("\\", text));
    // Case is ignored around the double-byte character, too.
    const char named[] = "C:\\\x83\x5C\\IEXPLORE.EXE";
    EXPECT_EQ(named + 6, FindTextNoCase("iexplore", named));
}
