// Randomized checks of the bounded string operations and the separator scan
// against simple models, with fixed seeds: thousands of sizes and texts,
// double-byte characters included. The destination always sits inside a
// larger buffer of canary bytes.
#include <gtest/gtest.h>
#include <climits>
#include <random>
#include <stdio.h>
#include <string>
#include <string.h>
#include "text/text.h"

namespace {

const unsigned char CanaryByte = 0xCD;
const size_t Room = 96;

struct Buffer {
    unsigned char bytes[Room + 32];
    Buffer() { memset(bytes, CanaryByte, sizeof bytes); }
    char* text() { return (char*)bytes; }
    bool CanariesFrom(size_t offset) const
    {
        for (size_t i = offset; i < sizeof bytes; ++i)
            if (bytes[i] != CanaryByte)
                return false;
        return true;
    }
};

// Texts of printable bytes, high bytes (lead and trail bytes of double-byte
// code pages among them) and backslashes; never a NUL.
std::string RandomText(std::mt19937& random, size_t maxLength)
{
    std::uniform_int_distribution<size_t> length(0, maxLength);
    std::uniform_int_distribution<int> kind(0, 9), printable(0x20, 0x7E), high(0x81, 0xFE);
    std::string text;
    for (size_t n = length(random); text.size() < n;) {
        int k = kind(random);
        text += (char)(k < 6 ? printable(random) : k < 8 ? high(random) : '\\');
    }
    return text;
}

size_t RandomSize(std::mt19937& random)
{
    return std::uniform_int_distribution<size_t>(0, 64)(random);
}

void CheckCopy(std::mt19937& random)
{
    std::string source = RandomText(random, 80);
    size_t size = RandomSize(random);
    size_t count = std::uniform_int_distribution<size_t>(0, 90)(random);
    Buffer b;
    HRESULT result = CopyBoundedN(b.text(), size, source.c_str(), count);
    if (size == 0) {
        ASSERT_EQ(E_INVALIDARG, result);
        ASSERT_TRUE(b.CanariesFrom(0));
        return;
    }
    size_t wanted = std::min(source.size(), count);
    bool cut = wanted >= size;
    ASSERT_EQ(cut ? BOUNDED_TRUNCATED : S_OK, result) << size << " " << count << " " << source.size();
    std::string expected = source.substr(0, cut ? size - 1 : wanted);
    ASSERT_EQ(expected, std::string(b.text()));
    ASSERT_TRUE(b.CanariesFrom(expected.size() + 1));
}

void CheckAppend(std::mt19937& random)
{
    size_t size = RandomSize(random);
    std::string start = RandomText(random, 70);
    std::string source = RandomText(random, 70);
    Buffer b;
    memcpy(b.bytes, start.c_str(), start.size() + 1);  // may run past size: then size holds no NUL
    HRESULT result = AppendBounded(b.text(), size, source.c_str());
    size_t length = strnlen(start.c_str(), size);
    if (size == 0 || length == size) {
        ASSERT_EQ(E_INVALIDARG, result);
        ASSERT_EQ(0, memcmp(b.bytes, start.c_str(), start.size() + 1));
        ASSERT_TRUE(b.CanariesFrom(start.size() + 1));
        return;
    }
    std::string whole = start + source;
    bool cut = whole.size() >= size;
    ASSERT_EQ(cut ? BOUNDED_TRUNCATED : S_OK, result);
    std::string expected = whole.substr(0, cut ? size - 1 : whole.size());
    ASSERT_EQ(expected, std::string(b.text()));
    ASSERT_TRUE(b.CanariesFrom(std::max(expected.size(), start.size()) + 1));
}

// A random field: flags, a width, and for strings a precision.
std::string RandomField(std::mt19937& random, const char* conversion, bool text)
{
    static const char* const flags[] = {"", "-", "0", "-0"};
    std::uniform_int_distribution<int> flag(0, text ? 1 : 3), width(-4, 12);
    std::string field = std::string("%") + flags[flag(random)];
    int w = width(random);
    if (w > 0)
        field += std::to_string(w);
    if (text && width(random) > 4)
        field += "." + std::to_string(width(random) + 5);  // wvsprintfA reads a precision of 0 as none
    return field + conversion;
}

// Setup links no C runtime and formats its texts with the system's
// wvsprintfA: it must give what the C runtime's snprintf gives for every
// conversion the two share, cut to every size.
void CheckFormat(std::mt19937& random)
{
    static const char* const signedConversions[] = {"d", "i", "ld"};
    static const char* const unsignedConversions[] = {"u", "x", "X", "lx", "lX", "lu"};
    std::uniform_int_distribution<int> pickSigned(0, 2), pickUnsigned(0, 5);
    std::string format = RandomField(random, "s", true) + "|" +
                         RandomField(random, signedConversions[pickSigned(random)], false) + "|" +
                         RandomField(random, unsignedConversions[pickUnsigned(random)], false) + "|%c%%";
    std::string source = RandomText(random, 40);
    std::uniform_int_distribution<int> anyInt(INT_MIN, INT_MAX), smallInt(-100000, 100000);
    int number = random() % 4 == 0 ? anyInt(random) : smallInt(random);
    unsigned int other = (unsigned int)anyInt(random);
    char c = (char)std::uniform_int_distribution<int>(0x20, 0x7E)(random);
    size_t size = RandomSize(random);
    Buffer b;
    HRESULT result = FormatBounded(b.text(), size, format.c_str(), source.c_str(), number, other, c);
    if (size == 0) {
        ASSERT_EQ(E_INVALIDARG, result);
        ASSERT_TRUE(b.CanariesFrom(0));
        return;
    }
    char whole[512];
    snprintf(whole, sizeof whole, format.c_str(), source.c_str(), number, other, c);
    size_t length = strlen(whole);
    bool cut = length > size - 1;
    ASSERT_EQ(cut ? BOUNDED_TRUNCATED : S_OK, result) << format;
    ASSERT_EQ(std::string(whole, cut ? size - 1 : length), std::string(b.text())) << format;
    ASSERT_TRUE(b.CanariesFrom(size));
}

// The model of the separator scan: step character by character the way the
// system's code page does, remember the last single-byte '\' or '/'.
const char* ModelLastSeparator(const char* text)
{
    const char* last = nullptr;
    for (const char* p = text; *p != '\0';) {
        if (IsDBCSLeadByte((BYTE)*p) && p[1] != '\0') {
            p += 2;
            continue;
        }
        if (*p == '\\' || *p == '/')
            last = p;
        ++p;
    }
    return last;
}

void CheckSeparators(std::mt19937& random)
{
    std::string text = RandomText(random, 40);
    std::vector<char> copy(text.begin(), text.end());
    copy.push_back('\0');
    ASSERT_EQ(ModelLastSeparator(copy.data()), FindLastSeparator(copy.data())) << text;

    char path[48];
    CopyBounded(path, sizeof path, text.c_str());
    std::string before = path;
    EnsureTrailingBackslash(path, sizeof path);
    const char* lastChar = nullptr;
    for (const char* p = before.c_str(); *p != '\0';
         p += (IsDBCSLeadByte((BYTE)*p) && p[1] != '\0') ? 2 : 1)
        lastChar = p;
    bool endsInBackslash = lastChar != nullptr && *lastChar == '\\' && !IsDBCSLeadByte((BYTE)*lastChar);
    if (endsInBackslash || before.size() + 1 >= sizeof path)
        ASSERT_EQ(before, std::string(path));
    else
        ASSERT_EQ(before + "\\", std::string(path));
}

void RunAll(unsigned seed, int rounds)
{
    std::mt19937 random(seed);
    for (int i = 0; i < rounds; ++i) {
        ASSERT_NO_FATAL_FAILURE(CheckCopy(random));
        ASSERT_NO_FATAL_FAILURE(CheckAppend(random));
        ASSERT_NO_FATAL_FAILURE(CheckFormat(random));
        ASSERT_NO_FATAL_FAILURE(CheckSeparators(random));
    }
}

}  // namespace

TEST(TextProperties, HoldForThousandsOfGeneratedInputs)
{
    RunAll(20261207, 5000);
    RunAll(42, 5000);
}

// Runs under a double-byte system code page (see tests/CMakeLists.txt).
TEST(DoubleByteCodePage, TextPropertiesHoldForThousandsOfGeneratedInputs)
{
    ASSERT_EQ(932u, GetACP());
    RunAll(20261207, 5000);
    RunAll(7, 5000);
}
