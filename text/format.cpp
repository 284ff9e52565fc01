// Setup formats its texts itself: it links no C runtime, so that it starts
// on systems that ship none (Windows 95 has no msvcrt.dll), and the system's
// wvsprintfA copies a conversion it does not know out as text without
// taking its argument, so every later argument would be misread.
//
// The conversions are those of C's snprintf: %s %c %d %i %u %x %X and %%,
// with the flags '-' '0' '#' '+' and space, a width and a precision given
// as digits or '*', and the size letter l (long is 32 bits on Windows, on
// both builds). Each gives exactly what C gives. Anything else, and every
// combination whose result C leaves undefined (such as '#' on %d, '0' on
// %s, a precision on %c, %ls, or a %% with flags), is refused. The whole
// format is checked before the first argument is taken, so a refused
// format reads no argument at all.
#include "text/format.h"
#include "text/bounded.h"

// The flags in the order of their bits.
static const char FlagLetters[] = "-0#+ ";
#define FLAG_LEFT 1
#define FLAG_ZERO 2
#define FLAG_ALTERNATE 4
#define FLAG_PLUS 8
#define FLAG_SPACE 16

// What each conversion refuses, beside the flags: C leaves the result
// undefined for these.
#define USES_WIDTH 32
#define USES_PRECISION 64
#define USES_SIZE 128
static const char Conversions[] = "%csdiuxX";
static const unsigned char Refused[] = {
    0xFF,                                                        // %% stands alone
    FLAG_ZERO | FLAG_ALTERNATE | USES_PRECISION | USES_SIZE,     // %c
    FLAG_ZERO | FLAG_ALTERNATE | USES_SIZE,                      // %s
    FLAG_ALTERNATE, FLAG_ALTERNATE, FLAG_ALTERNATE,              // %d %i %u
    0, 0,                                                        // %x %X
};

#define FROM_ARGUMENT (-2)  // a width or precision given as '*'
#define NOT_GIVEN (-1)

struct FormatField {
    int flags;
    int width;      // NOT_GIVEN, FROM_ARGUMENT or the number written
    int precision;  // the same
    char conversion;
};

// What was written so far; past the room only the cut is remembered.
struct FormatOutput {
    char* dest;
    size_t room;  // characters that fit before the NUL
    size_t length;
    bool cut;
};

static int PositionIn(const char* letters, char c)
{
    for (int i = 0; letters[i] != '\0'; ++i)
        if (letters[i] == c)
            return i;
    return -1;
}

static void PutRepeated(FormatOutput* out, char c, size_t count)
{
    for (; count != 0; --count) {
        if (out->length == out->room) {
            out->cut = true;
            return;
        }
        out->dest[out->length++] = c;
    }
}

static void PutText(FormatOutput* out, const char* text, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        PutRepeated(out, text[i], 1);
}

// '*', or digits up to the largest count a field accepts (false for a
// number too large); nothing leaves the count as it was.
static bool ReadCount(const char** position, int* count)
{
    const char* p = *position;
    if (*p == '*') {
        *position = p + 1;
        *count = FROM_ARGUMENT;
        return true;
    }
    if (*p < '0' || *p > '9')
        return true;
    unsigned int value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        unsigned int digit = (unsigned int)(*p - '0');
        if (value > (BOUNDED_MAX_SIZE - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    *position = p;
    *count = (int)value;
    return true;
}

// Reads the field after a '%'; false when C would not give a defined text
// for it. The size letter only changes how an argument is fetched, and long
// and int are one size on Windows, so it is checked and then forgotten.
static bool ReadField(const char** position, FormatField* field)
{
    const char* p = *position;
    field->flags = 0;
    field->width = NOT_GIVEN;
    field->precision = NOT_GIVEN;
    for (int flag; *p != '\0' && (flag = PositionIn(FlagLetters, *p)) >= 0; ++p)
        field->flags |= 1 << flag;
    if (!ReadCount(&p, &field->width))
        return false;
    if (*p == '.') {
        ++p;
        field->precision = 0;
        if (!ReadCount(&p, &field->precision))
            return false;
    }
    bool sized = *p == 'l';
    if (sized)
        ++p;
    field->conversion = *p;
    *position = p + 1;

    int kind = *p == '\0' ? -1 : PositionIn(Conversions, *p);
    int used = field->flags | (field->width != NOT_GIVEN ? USES_WIDTH : 0) |
               (field->precision != NOT_GIVEN ? USES_PRECISION : 0) | (sized ? USES_SIZE : 0);
    return kind >= 0 && (used & Refused[kind]) == 0;
}

static bool FormatIsValid(const char* format)
{
    for (const char* p = format; *p != '\0';) {
        if (*p++ != '%')
            continue;
        FormatField field;
        if (!ReadField(&p, &field))
            return false;
    }
    return true;
}

// Every field is laid out as C does: padding, a sign or "0x", zeros, the
// characters themselves, and padding on the right instead when left-aligned.
static void PutLaidOut(FormatOutput* out, const FormatField& field, const char* prefix, size_t prefixLength,
                       size_t zeros, const char* text, size_t length)
{
    size_t used = prefixLength + zeros + length;
    size_t padding = field.width > 0 && (size_t)field.width > used ? (size_t)field.width - used : 0;
    if ((field.flags & (FLAG_ZERO | FLAG_LEFT)) == FLAG_ZERO) {
        zeros += padding;
        padding = 0;
    }
    if (!(field.flags & FLAG_LEFT))
        PutRepeated(out, ' ', padding);
    PutText(out, prefix, prefixLength);
    PutRepeated(out, '0', zeros);
    PutText(out, text, length);
    if (field.flags & FLAG_LEFT)
        PutRepeated(out, ' ', padding);
}

static void PutNumber(FormatOutput* out, FormatField field, unsigned int magnitude, bool negative)
{
    bool hex = field.conversion == 'x' || field.conversion == 'X';
    unsigned int base = hex ? 16 : 10;
    char digits[12];
    char* first = digits + sizeof digits;
    for (unsigned int rest = magnitude; rest != 0; rest /= base) {
        char digit = "0123456789abcdef"[rest % base];
        *--first = field.conversion == 'X' && digit > '9' ? (char)(digit - 'a' + 'A') : digit;
    }
    // Only an explicit precision prints no digit for 0; with one, the '0'
    // flag no longer pads.
    if (field.precision == NOT_GIVEN && magnitude == 0)
        *--first = '0';
    if (field.precision != NOT_GIVEN)
        field.flags &= ~FLAG_ZERO;
    size_t length = (size_t)(digits + sizeof digits - first);

    char prefix[2] = {'0', field.conversion};
    size_t prefixLength = 0;
    bool isSigned = !hex && field.conversion != 'u';
    if (negative || (isSigned && (field.flags & (FLAG_PLUS | FLAG_SPACE)))) {
        prefix[0] = negative ? '-' : (field.flags & FLAG_PLUS) ? '+' : ' ';
        prefixLength = 1;
    } else if (hex && (field.flags & FLAG_ALTERNATE) && magnitude != 0)
        prefixLength = 2;
    size_t zeros = field.precision > (int)length ? (size_t)field.precision - length : 0;
    PutLaidOut(out, field, prefix, prefixLength, zeros, first, length);
}

static void PutField(FormatOutput* out, FormatField field, va_list* args)
{
    if (field.width == FROM_ARGUMENT) {
        field.width = va_arg(*args, int);
        if (field.width < 0) {
            field.flags |= FLAG_LEFT;
            // INT_MIN has no positive int: it stays as wide as any.
            field.width = field.width == (int)0x80000000 ? 0x7FFFFFFF : -field.width;
        }
    }
    if (field.precision == FROM_ARGUMENT) {
        field.precision = va_arg(*args, int);
        if (field.precision < 0)
            field.precision = NOT_GIVEN;
    }
    char c = field.conversion;
    if (c == '%') {
        PutRepeated(out, '%', 1);
    } else if (c == 'c') {
        char character = (char)va_arg(*args, int);
        PutLaidOut(out, field, NULL, 0, 0, &character, 1);
    } else if (c == 's') {
        const char* text = va_arg(*args, const char*);
        if (text == NULL)
            text = "(null)";
        // With a precision the text need not end within it: never read past.
        size_t length = 0;
        while ((field.precision == NOT_GIVEN || length < (size_t)field.precision) && text[length] != '\0')
            ++length;
        PutLaidOut(out, field, NULL, 0, 0, text, length);
    } else if (c == 'd' || c == 'i') {
        int value = va_arg(*args, int);
        PutNumber(out, field, value < 0 ? 0u - (unsigned int)value : (unsigned int)value, value < 0);
    } else {
        PutNumber(out, field, va_arg(*args, unsigned int), false);
    }
}

HRESULT FormatBoundedV(char* dest, size_t destSize, const char* format, va_list args)
{
    if (destSize == 0 || destSize > BOUNDED_MAX_SIZE)
        return BOUNDED_INVALID;
    if (!FormatIsValid(format)) {
        dest[0] = '\0';
        return BOUNDED_INVALID;
    }
    FormatOutput out = {dest, destSize - 1, 0, false};
    va_list rest;
    va_copy(rest, args);
    for (const char* p = format; *p != '\0' && !out.cut;) {
        if (*p != '%') {
            PutRepeated(&out, *p++, 1);
            continue;
        }
        ++p;
        FormatField field;
        (void)ReadField(&p, &field);  // checked above
        PutField(&out, field, &rest);
    }
    va_end(rest);
    dest[out.length] = '\0';
    return out.cut ? BOUNDED_TRUNCATED : BOUNDED_OK;
}

HRESULT FormatBounded(char* dest, size_t destSize, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    HRESULT result = FormatBoundedV(dest, destSize, format, args);
    va_end(args);
    return result;
}
