// Randomized checks of the text scanners the offers rely on (FindTextNoCase,
// ReadVersionPart, TrimRegistryString) and of the link text split, each
// against a simple model built on std::string, with fixed seeds. The same
// inputs run under the ANSI code page and under a double-byte one (the
// DoubleByteCodePage group, see tests/CMakeLists.txt), where texts carry
// double-byte characters whose trail bytes look like ASCII letters,
// backslashes or brackets, and lead bytes left alone at the end.
#include <gtest/gtest.h>
#include <climits>
#include <random>
#include <string>
#include <vector>
#include "text/text_scan.h"
#include "offers/offers.h"
#include "ui/hyperlink_drawing.h"
#include "offers/email_companion.h"

namespace {

// Pieces a generated text is made of. The double-byte ones are characters
// of code page 932 (under 1252 they are just two high bytes).
const char* const Pieces[] = {
    "a", "b", "e", "x", "A", "B", "E", "X", "i", "I", "z", "0", "1", "5", "9", ".", "-", " ", "\t", "\"",
    "<", ">", "\\", "/", ":",
    "\xE9", "\xC9", "\xFF",      // e acute, E acute, y diaeresis in 1252; lead bytes in 932
    "\x82\x81", "\x82\x60",      // fullwidth a and A: upper-casing changes the trail byte
    "\x83\x5C", "\x83\x41",      // trail bytes '\' and 'A'
    "\x81\x40", "\x88\x9F",      // ideographic space, a kanji
    "\x83",                      // a lone lead byte
};

std::string RandomText(std::mt19937& random, size_t maxPieces)
{
    std::uniform_int_distribution<size_t> count(0, maxPieces);
    std::uniform_int_distribution<size_t> piece(0, sizeof Pieces / sizeof Pieces[0] - 1);
    std::string text;
    for (size_t n = count(random), i = 0; i < n; ++i)
        text += Pieces[piece(random)];
    return text;
}

bool Chance(std::mt19937& random, int percent)
{
    return std::uniform_int_distribution<int>(0, 99)(random) < percent;
}

// Character starts the way the system code page steps: a lead byte takes
// the byte after it along unless that is the end.
std::vector<size_t> CharacterStarts(const std::string& text)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size();) {
        starts.push_back(i);
        i += (IsDBCSLeadByte((BYTE)text[i]) && i + 1 < text.size()) ? 2 : 1;
    }
    return starts;
}

std::string Upper(std::string text)
{
    if (!text.empty())
        CharUpperBuffA(&text[0], (DWORD)text.size());
    return text;
}

// ---- FindTextNoCase

// The offset of the first match, or -1.
long ModelFind(const std::string& needle, const std::string& text)
{
    if (needle.empty())
        return 0;
    if (text.empty() || needle.size() > 1023 || text.size() > 1023)
        return -1;
    std::string upperNeedle = Upper(needle), upperText = Upper(text);
    for (size_t start : CharacterStarts(text))
        if (upperText.compare(start, upperNeedle.size(), upperNeedle) == 0)
            return (long)start;
    return -1;
}

// A needle taken from the text (from any byte, a trail byte too) with the
// case of its ASCII letters flipped here and there, or made up.
std::string RandomNeedle(std::mt19937& random, const std::string& text)
{
    if (text.empty() || Chance(random, 25))
        return RandomText(random, 4);
    if (Chance(random, 3))
        return text;
    size_t start = std::uniform_int_distribution<size_t>(0, text.size() - 1)(random);
    size_t length = std::uniform_int_distribution<size_t>(0, std::min<size_t>(8, text.size() - start))(random);
    std::string needle = text.substr(start, length);
    for (char& c : needle)
        if (isascii((unsigned char)c) && isalpha((unsigned char)c) && Chance(random, 50))
            c = (char)(isupper((unsigned char)c) ? tolower(c) : toupper(c));
    return needle;
}

void CheckFind(std::mt19937& random)
{
    std::string text = RandomText(random, Chance(random, 3) ? 1400 : 24);
    std::string needle = RandomNeedle(random, text);
    const char* found = FindTextNoCase(needle.c_str(), text.c_str());
    long expected = ModelFind(needle, text);
    if (expected < 0)
        ASSERT_EQ(nullptr, found) << "needle [" << needle << "] text [" << text << "]";
    else
        ASSERT_EQ(text.c_str() + expected, found) << "needle [" << needle << "] text [" << text << "]";
}

// ---- ReadVersionPart

struct VersionModel {
    int value;
    long restOffset;  // -1: no rest
};

VersionModel ModelVersion(const std::string& text)
{
    size_t dot = text.size() > 1023 ? std::string::npos : text.find('.');
    std::string part = dot == std::string::npos ? text : text.substr(0, dot);
    size_t i = 0;
    while (i < part.size() && part[i] == ' ')
        ++i;
    bool negative = i < part.size() && part[i] == '-';
    if (negative)
        ++i;
    long long value = 0;
    for (; i < part.size() && part[i] >= '0' && part[i] <= '9'; ++i)
        value = std::min(value * 10 + (part[i] - '0'), (long long)INT_MAX + 1);
    if (negative)
        value = -value;
    value = std::max<long long>(std::min<long long>(value, INT_MAX), INT_MIN);
    return {(int)value, dot == std::string::npos ? -1 : (long)dot + 1};
}

// Version texts: numbers of every length with blanks, signs and dots, and
// now and then something else.
std::string RandomVersion(std::mt19937& random)
{
    static const char* const VersionPieces[] = {" ", "-", ".", "0", "1", "2", "6", "7", "9", "x", "\x83\x41"};
    std::string text;
    size_t pieces = std::uniform_int_distribution<size_t>(0, 16)(random);
    for (size_t i = 0; i < pieces; ++i) {
        if (Chance(random, 10))
            text += std::string(std::uniform_int_distribution<size_t>(8, 24)(random), '9');  // overflows
        else
            text += VersionPieces[std::uniform_int_distribution<size_t>(0, 10)(random)];
    }
    if (Chance(random, 2))
        text = std::string(1024 + std::uniform_int_distribution<size_t>(0, 8)(random), '1') + "." + text;
    return text;
}

void CheckVersion(std::mt19937& random)
{
    std::string text = RandomVersion(random);
    VersionModel expected = ModelVersion(text);
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    char* rest = (char*)1;
    bool askRest = !Chance(random, 10);
    int value = ReadVersionPart(buffer.data(), askRest ? &rest : nullptr);
    ASSERT_EQ(expected.value, value) << "[" << text << "]";
    if (askRest)
        ASSERT_EQ(expected.restOffset < 0 ? nullptr : buffer.data() + expected.restOffset, rest) << "[" << text << "]";
    // The text is cut at the dot and is otherwise as it was.
    std::string after = text;
    if (expected.restOffset >= 0)
        after[expected.restOffset - 1] = '\0';
    ASSERT_EQ(0, memcmp(after.data(), buffer.data(), after.size() + 1)) << "[" << text << "]";
}

// ---- TrimRegistryString

std::string ModelTrim(const std::string& text)
{
    size_t begin = 0;
    while (begin < text.size() && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    std::string rest = text.substr(begin);
    // Trailing blanks are whole characters: a blank that is a lead byte's
    // second byte belongs to that character.
    size_t end = rest.size();
    bool inRun = false;
    for (size_t start : CharacterStarts(rest)) {
        bool blank = rest[start] == ' ' || rest[start] == '\t';
        if (blank && !inRun)
            end = start;
        inRun = blank;
    }
    if (!inRun)
        end = rest.size();
    rest.resize(end);
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"')
        rest = rest.substr(1, rest.size() - 2);
    return rest;
}

void CheckTrim(std::mt19937& random)
{
    std::string text = RandomText(random, 12);
    if (Chance(random, 40))
        text = std::string(std::uniform_int_distribution<size_t>(0, 3)(random), Chance(random, 50) ? ' ' : '\t') +
               (Chance(random, 50) ? "\"" : "") + text + (Chance(random, 50) ? "\"" : "") +
               std::string(std::uniform_int_distribution<size_t>(0, 3)(random), Chance(random, 50) ? ' ' : '\t');
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    const size_t canaries = 8;
    buffer.insert(buffer.end(), canaries, '#');
    TrimRegistryString(buffer.data());
    ASSERT_EQ(ModelTrim(text), std::string(buffer.data())) << "[" << text << "]";
    ASSERT_EQ(std::string(canaries, '#'), std::string(buffer.end() - canaries, buffer.end())) << "[" << text << "]";
}

// ---- The link text split

void CheckLinkSplit(std::mt19937& random)
{
    std::string text = RandomText(random, 16);
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    char* target = SplitHyperlinkText(buffer.data());

    size_t open = text.rfind('<');
    size_t close = open == std::string::npos ? std::string::npos : text.find('>', open + 1);
    if (close == std::string::npos) {
        ASSERT_EQ(nullptr, target) << "[" << text << "]";
        ASSERT_EQ(text, std::string(buffer.data(), text.size())) << "untouched";
        return;
    }
    ASSERT_EQ(buffer.data() + open + 1, target) << "[" << text << "]";
    ASSERT_EQ(text.substr(0, open), std::string(buffer.data())) << "[" << text << "]";
    ASSERT_EQ(text.substr(open + 1, close - open - 1), std::string(target)) << "[" << text << "]";
}

typedef void (*Check)(std::mt19937& random);

void RunMany(Check check, unsigned seed, int rounds)
{
    std::mt19937 random(seed);
    for (int i = 0; i < rounds; ++i)
        ASSERT_NO_FATAL_FAILURE(check(random));
}

void RunInAnsi(Check check)
{
    ASSERT_EQ(1252u, GetACP());
    RunMany(check, 20261207, 5000);
    RunMany(check, 99, 5000);
}

// For the tests run under a double-byte system code page (see
// tests/CMakeLists.txt).
void RunInDoubleByte(Check check)
{
    ASSERT_EQ(932u, GetACP());
    RunMany(check, 20261207, 5000);
    RunMany(check, 3, 5000);
}

}  // namespace

TEST(OfferTextProperties, FindTextNoCase) { RunInAnsi(CheckFind); }
TEST(OfferTextProperties, ReadVersionPart) { RunInAnsi(CheckVersion); }
TEST(OfferTextProperties, TrimRegistryString) { RunInAnsi(CheckTrim); }
TEST(OfferTextProperties, LinkTextSplit) { RunInAnsi(CheckLinkSplit); }

TEST(DoubleByteCodePage, FindTextNoCaseProperties) { RunInDoubleByte(CheckFind); }
TEST(DoubleByteCodePage, ReadVersionPartProperties) { RunInDoubleByte(CheckVersion); }
TEST(DoubleByteCodePage, TrimRegistryStringProperties) { RunInDoubleByte(CheckTrim); }
TEST(DoubleByteCodePage, LinkTextSplitProperties) { RunInDoubleByte(CheckLinkSplit); }

// The models themselves, on the cases they are meant to tell apart.
TEST(OfferTextProperties, ModelsAgreeWithKnownAnswers)
{
    EXPECT_EQ(1, ModelFind("EX", "iexExplore"));
    EXPECT_EQ(0, ModelFind("", ""));
    EXPECT_EQ(-1, ModelFind("a", std::string(1024, 'a')));
    EXPECT_EQ(INT_MAX, ModelVersion("99999999999").value);
    EXPECT_EQ(INT_MIN, ModelVersion(" -99999999999.5").value);
    EXPECT_EQ(-3, ModelVersion("-3.1").value);
    EXPECT_EQ(3, ModelVersion("-3.1").restOffset);
    EXPECT_EQ("a b", ModelTrim(" \t\"a b\" \t"));
    EXPECT_EQ("\"a", ModelTrim("\"a"));
}
