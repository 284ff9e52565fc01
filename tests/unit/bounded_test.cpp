#include <gtest/gtest.h>
#include <string>
#include <string.h>
#include <string.h>
#include "text/bounded.h"

// Each destination sits in a larger buffer filled with canary bytes, so a
// write past the stated size shows.
struct Canary {
    char bytes[64];
    Canary() { memset(bytes, 0xCC, sizeof bytes); }
    bool UntouchedFrom(size_t offset) const
    {
        for (size_t i = offset; i < sizeof bytes; ++i)
            if ((unsigned char)bytes[i] != 0xCC)
                return false;
        return true;
    }
};

TEST(CopyBounded, CutsToSizeMinusOneAndReportsTruncation)
{
    Canary c;
    EXPECT_EQ(BOUNDED_TRUNCATED, CopyBounded(c.bytes, 4, "abcdef"));
    EXPECT_STREQ("abc", c.bytes);
    EXPECT_TRUE(c.UntouchedFrom(4));
}

TEST(CopyBounded, FitsExactlyWithRoomForTheNul)
{
    Canary c;
    EXPECT_EQ(S_OK, CopyBounded(c.bytes, 4, "abc"));
    EXPECT_STREQ("abc", c.bytes);
    EXPECT_TRUE(c.UntouchedFrom(4));
    EXPECT_EQ(S_OK, CopyBounded(c.bytes, 1, ""));
    EXPECT_STREQ("", c.bytes);
}

TEST(CopyBounded, RejectsBadSizesWithoutTouchingTheDestination)
{
    Canary c;
    EXPECT_EQ(E_INVALIDARG, CopyBounded(c.bytes, 0, "abc"));
    EXPECT_EQ(E_INVALIDARG, CopyBounded(c.bytes, 0x80000000u, "abc"));
    EXPECT_TRUE(c.UntouchedFrom(0));
}

TEST(CopyBoundedN, CopiesAtMostTheCount)
{
    Canary c;
    EXPECT_EQ(S_OK, CopyBoundedN(c.bytes, 260, "C:\\Program Files", 2));
    EXPECT_STREQ("C:", c.bytes);
    EXPECT_EQ(S_OK, CopyBoundedN(c.bytes, 10, "ab", 5));
    EXPECT_STREQ("ab", c.bytes);
    EXPECT_EQ(BOUNDED_TRUNCATED, CopyBoundedN(c.bytes, 3, "abcdef", 5));
    EXPECT_STREQ("ab", c.bytes);
}

TEST(CopyBoundedN, ACountAboveTheLimitEmptiesTheDestination)
{
    Canary c;
    EXPECT_EQ(E_INVALIDARG, CopyBoundedN(c.bytes, 10, "abc", 0x7FFFFFFFu));
    EXPECT_STREQ("", c.bytes);
    EXPECT_TRUE(c.UntouchedFrom(1));
}

TEST(AppendBounded, AppendsWithinTheSize)
{
    Canary c;
    CopyBounded(c.bytes, 8, "abc");
    EXPECT_EQ(S_OK, AppendBounded(c.bytes, 8, "defg"));
    EXPECT_STREQ("abcdefg", c.bytes);
    EXPECT_EQ(BOUNDED_TRUNCATED, AppendBounded(c.bytes, 8, "h"));
    EXPECT_STREQ("abcdefg", c.bytes);
    CopyBounded(c.bytes, 8, "abc");
    EXPECT_EQ(BOUNDED_TRUNCATED, AppendBounded(c.bytes, 8, "defghij"));
    EXPECT_STREQ("abcdefg", c.bytes);
    EXPECT_TRUE(c.UntouchedFrom(8));
}

TEST(AppendBounded, ADestinationWithoutNulIsRejectedAndKept)
{
    Canary c;
    memcpy(c.bytes, "abcd", 4);
    EXPECT_EQ(E_INVALIDARG, AppendBounded(c.bytes, 4, "x"));
    EXPECT_EQ(0, memcmp(c.bytes, "abcd", 4));
    EXPECT_TRUE(c.UntouchedFrom(4));
    EXPECT_EQ(E_INVALIDARG, AppendBounded(c.bytes, 0, "x"));
}

TEST(FormatBounded, ExactlySizeMinusOneSucceeds)
{
    Canary c;
    EXPECT_EQ(S_OK, FormatBounded(c.bytes, 6, "%s%d", "abc", 42));
    EXPECT_STREQ("abc42", c.bytes);
    EXPECT_TRUE(c.UntouchedFrom(6));
}

TEST(FormatBounded, OneCharacterMoreIsCut)
{
    Canary c;
    EXPECT_EQ(BOUNDED_TRUNCATED, FormatBounded(c.bytes, 6, "%s%d", "abc", 423));
    EXPECT_STREQ("abc42", c.bytes);
    EXPECT_TRUE(c.UntouchedFrom(6));
}

// Only what does not fit is cut, however long the text.
TEST(FormatBounded, LongTextsAreCutOnlyWhereTheyDoNotFit)
{
    static char text[2048];
    std::string long1500(1500, 'x');
    EXPECT_EQ(S_OK, FormatBounded(text, sizeof text, "%s", long1500.c_str()));
    EXPECT_EQ(long1500, text);
    EXPECT_EQ(BOUNDED_TRUNCATED, FormatBounded(text, 1200, "%s", long1500.c_str()));
    EXPECT_EQ(1199u, strlen(text));
}

// A flag the system's formatter did not know once shifted every later
// argument: this one crashed reading "ab" from 100.
TEST(FormatBounded, EveryFlagKeepsTheArgumentsInStep)
{
    char text[40];
    EXPECT_EQ(S_OK, FormatBounded(text, sizeof text, "%- d%3s", 100, "ab"));
    EXPECT_STREQ(" 100 ab", text);
    // C gives no sign to an unsigned conversion (MinGW's own formatter,
    // the property test's reference, puts a space before this one).
    EXPECT_EQ(S_OK, FormatBounded(text, sizeof text, "% u|%+u", 5u, 5u));
    EXPECT_STREQ("5|5", text);
}

TEST(FormatBounded, SupportsTheConversionsSetupUses)
{
    char text[64];
    EXPECT_EQ(S_OK, FormatBounded(text, sizeof text, "%c|%ld|%08lx|%d", 'x', -5L, 0x1c9dUL, -1));
    EXPECT_STREQ("x|-5|00001c9d|-1", text);
    Canary c;
    EXPECT_EQ(E_INVALIDARG, FormatBounded(c.bytes, 0, "%s", "abc"));
    EXPECT_TRUE(c.UntouchedFrom(0));
    EXPECT_EQ(BOUNDED_TRUNCATED, FormatBounded(c.bytes, 1, "%s", "abc"));
    EXPECT_STREQ("", c.bytes);
}
