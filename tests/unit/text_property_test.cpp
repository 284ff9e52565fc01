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
#include "text/bounded.h"
#include "text/paths.h"

namespace {

const unsigned char CanaryByte = 0xCD;
const size_t Room = 1600;  // the format checks use sizes above 1024

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

// On x86_64 Windows every variadic argument takes one 8-byte slot, read
// by va_arg as an int or a pointer alike: one list of slots serves any
// sequence of conversions, for setup's formatter and the reference.
static_assert(sizeof(void*) == 8, "the format checks run on the x86_64 build");
const int FieldsPerFormat = 3, SlotsPerField = 3;
typedef long long Slot;

// A random field of any conversion setup formats, with the flags C defines
// for it, a width and a precision as digits or '*' (whose arguments it
// pushes into the slots before the value's).
std::string RandomField(std::mt19937& random, std::vector<Slot>& slots, std::vector<std::string>& texts)
{
    static const char* const conversions[] = {"s", "c", "d", "i", "u", "x", "X", "%", "ld", "li", "lu", "lx", "lX"};
    std::uniform_int_distribution<int> pick(0, 12), coin(0, 3), smallCount(0, 12), starValue(-14, 14);
    std::string conversion = conversions[pick(random)];
    if (conversion == "%")
        return "%%";
    char last = conversion.back();
    bool number = last != 's' && last != 'c';
    // C defines '#' on %x and %X only, '0' on numbers only; MinGW's formatter
    // puts a space before an unsigned number, where C puts none (a table
    // case checks that one).
    std::string allowed = "-+";
    if (number)
        allowed += "0";
    if (last == 'x' || last == 'X')
        allowed += "#";
    if (last != 'u')
        allowed += " ";
    std::string field = "%";
    for (int i = coin(random); i > 0; --i)
        field += allowed[std::uniform_int_distribution<size_t>(0, allowed.size() - 1)(random)];
    int width = coin(random);
    if (width == 1)
        field += std::to_string(1 + smallCount(random));
    else if (width == 2) {
        field += "*";
        slots.push_back(starValue(random));
    } else if (width == 3 && coin(random) == 0)
        field += std::to_string(1000 + smallCount(random) * 40);  // past the 1024 the system stopped at
    int precision = last == 'c' ? 0 : coin(random);
    if (precision == 1)
        field += "." + (coin(random) == 0 ? "" : std::to_string(smallCount(random)));
    else if (precision == 2) {
        field += ".*";
        slots.push_back(starValue(random));
    }
    field += conversion;

    std::uniform_int_distribution<int> anyInt(INT_MIN, INT_MAX), smallInt(-1000, 1000);
    if (last == 's') {
        texts.push_back(RandomText(random, coin(random) == 0 ? 1200 : 30));
        slots.push_back((Slot)texts.back().c_str());  // texts holds its strings' places (reserved)
    } else if (last == 'c')
        slots.push_back(coin(random) == 0 ? 0 : std::uniform_int_distribution<int>(1, 255)(random));
    else
        slots.push_back(coin(random) == 0 ? anyInt(random) : coin(random) == 0 ? 0 : smallInt(random));
    return field;
}

size_t RandomFormatSize(std::mt19937& random)
{
    return std::uniform_int_distribution<int>(0, 3)(random) == 0
               ? std::uniform_int_distribution<size_t>(1000, Room)(random)
               : RandomSize(random);
}

HRESULT FormatSlots(char* dest, size_t size, const std::string& format, const std::vector<Slot>& slots)
{
    const Slot* s = slots.data();
    return FormatBounded(dest, size, format.c_str(), s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], s[8]);
}

// Setup links no C runtime and formats its texts itself: it must give what
// C99's snprintf gives (MinGW's own formatter, into a buffer that holds
// the whole text), cut to every size.
void CheckFormat(std::mt19937& random)
{
    std::vector<Slot> slots;
    std::vector<std::string> texts;
    texts.reserve(FieldsPerFormat);
    std::string format = "<";
    for (int i = 0; i < FieldsPerFormat; ++i)
        format += RandomField(random, slots, texts) + "|";
    slots.resize(FieldsPerFormat * SlotsPerField);
    size_t size = RandomFormatSize(random);
    Buffer b;
    HRESULT result = FormatSlots(b.text(), size, format, slots);
    if (size == 0) {
        ASSERT_EQ(E_INVALIDARG, result);
        ASSERT_TRUE(b.CanariesFrom(0));
        return;
    }
    static char whole[8192];
    const Slot* s = slots.data();
    int length = __mingw_snprintf(whole, sizeof whole, format.c_str(), s[0], s[1], s[2], s[3], s[4], s[5], s[6],
                                  s[7], s[8]);
    ASSERT_TRUE(length >= 0 && (size_t)length < sizeof whole) << format;
    bool cut = (size_t)length > size - 1;
    size_t kept = cut ? size - 1 : (size_t)length;
    ASSERT_EQ(cut ? BOUNDED_TRUNCATED : S_OK, result) << format << " size " << size;
    ASSERT_EQ(std::string(whole, kept), std::string(b.text(), kept)) << format << " size " << size;
    ASSERT_EQ('\0', b.text()[kept]);
    ASSERT_TRUE(b.CanariesFrom(size));
}

// Every other conversion is refused whole: an empty text, and no argument
// taken, not even for the fields before it (each %s there would read from
// an address that crashes).
void CheckRefusedFormat(std::mt19937& random)
{
    static const char* const refused[] = {
        "%f", "%e", "%g", "%a", "%p", "%n", "%o", "%lld", "%hd", "%I64d", "%zu", "%ls", "%lc", "%#d", "%#u",
        "%#s", "%0s", "%0c", "%.3c", "%5%", "%-%", "%l%", "%q", "%L", "%", "%99999999999d", "%.99999999999s"};
    static const char* const accepted[] = {"%s", "%-3s", "%d", "%*x", "%c", "%%", "x"};
    std::uniform_int_distribution<size_t> pickRefused(0, sizeof refused / sizeof *refused - 1),
        pickAccepted(0, sizeof accepted / sizeof *accepted - 1), count(0, 3);
    std::string format;
    for (size_t i = count(random); i > 0; --i)
        format += accepted[pickAccepted(random)];
    format += refused[pickRefused(random)];
    if (format.back() != '%')
        for (size_t i = count(random); i > 0; --i)
            format += accepted[pickAccepted(random)];
    size_t size = 1 + RandomSize(random);
    Buffer b;
    std::vector<Slot> crashing(FieldsPerFormat * SlotsPerField, 1);
    ASSERT_EQ(E_INVALIDARG, FormatSlots(b.text(), size, format, crashing)) << format;
    ASSERT_EQ('\0', b.text()[0]) << format;
    ASSERT_TRUE(b.CanariesFrom(1)) << format;
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
        ASSERT_NO_FATAL_FAILURE(CheckRefusedFormat(random));
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
