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
#include "text/text.h"

#define FLAG_LEFT 1
#define FLAG_ZERO 2
#define FLAG_ALTERNATE 4
#define FLAG_PLUS 8
#define FLAG_SPACE 16

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

// Digits up to the largest count a field accepts; NOT_GIVEN when there are
// none, and false for a number too large.
static bool ReadCount(const char** position, int* count)
{
    if (**position < '0' || **position > '9')
        return true;
    unsigned int value = 0;
    while (**position >= '0' && **position <= '9') {
        unsigned int digit = (unsigned int)(*(*position)++ - '0');
        if (value > (BOUNDED_MAX_SIZE - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    *count = (int)value;
    return true;
}

static bool ReadWidthOrPrecision(const char** position, int* count)
{
    if (**position == '*') {
        ++*position;
        *count = FROM_ARGUMENT;
        return true;
    }
    return ReadCount(position, count);
}

static int FlagOf(char c)
{
    switch (c) {
    case '-': return FLAG_LEFT;
    case '0': return FLAG_ZERO;
    case '#': return FLAG_ALTERNATE;
    case '+': return FLAG_PLUS;
    case ' ': return FLAG_SPACE;
    }
    return 0;
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
    while (FlagOf(*p) != 0)
        field->flags |= FlagOf(*p++);
    if (!ReadWidthOrPrecision(&p, &field->width))
        return false;
    if (*p == '.') {
        ++p;
        field->precision = 0;
        if (!ReadWidthOrPrecision(&p, &field->precision))
            return false;
    }
    bool sized = *p == 'l';
    if (sized)
        ++p;
    field->conversion = *p;
    *position = p + 1;

    bool plain = field->flags == 0 && field->width == NOT_GIVEN && field->precision == NOT_GIVEN && !sized;
    switch (field->conversion) {
    case '%':
        return plain;
    case 'c':
        if (field->precision != NOT_GIVEN)
            return false;
        // fall through
    case 's':
        return !sized && (field->flags & (FLAG_ZERO | FLAG_ALTERNATE)) == 0;
    case 'd':
    case 'i':
    case 'u':
        return (field->flags & FLAG_ALTERNATE) == 0;
    case 'x':
    case 'X':
        return true;
    }
    return false;
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

// A number with its sign or "0x", its zeros and its padding, as C lays it
// out.
static void PutNumber(FormatOutput* out, const FormatField& field, unsigned int magnitude, bool negative)
{
    char digits[16];
    int digitCount = 0;
    bool hex = field.conversion == 'x' || field.conversion == 'X';
    const char* hexDigits = field.conversion == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
    for (unsigned int rest = magnitude; rest != 0; rest /= hex ? 16 : 10)
        digits[digitCount++] = hexDigits[rest % (hex ? 16 : 10)];
    if (field.precision == NOT_GIVEN && magnitude == 0)
        digits[digitCount++] = '0';  // only an explicit precision of 0 prints no digit for 0

    char prefix[2];
    int prefixLength = 0;
    bool isSigned = field.conversion == 'd' || field.conversion == 'i';
    if (negative)
        prefix[prefixLength++] = '-';
    else if (isSigned && (field.flags & FLAG_PLUS))
        prefix[prefixLength++] = '+';
    else if (isSigned && (field.flags & FLAG_SPACE))
        prefix[prefixLength++] = ' ';
    else if (hex && (field.flags & FLAG_ALTERNATE) && magnitude != 0) {
        prefix[prefixLength++] = '0';
        prefix[prefixLength++] = field.conversion;
    }

    size_t zeros = 0;
    if (field.precision > digitCount)
        zeros = (size_t)(field.precision - digitCount);
    size_t used = (size_t)prefixLength + zeros + (size_t)digitCount;
    size_t padding = (size_t)field.width > used && field.width > 0 ? (size_t)field.width - used : 0;
    if ((field.flags & (FLAG_ZERO | FLAG_LEFT)) == FLAG_ZERO && field.precision == NOT_GIVEN) {
        zeros += padding;
        padding = 0;
    }
    if (!(field.flags & FLAG_LEFT))
        PutRepeated(out, ' ', padding);
    PutText(out, prefix, (size_t)prefixLength);
    PutRepeated(out, '0', zeros);
    while (digitCount != 0)
        PutRepeated(out, digits[--digitCount], 1);
    if (field.flags & FLAG_LEFT)
        PutRepeated(out, ' ', padding);
}

// A text of `length` characters in its field; a precision never lets the
// count read past it, since C allows an array without a NUL there.
static void PutPadded(FormatOutput* out, const FormatField& field, const char* text, size_t length)
{
    size_t padding = field.width > 0 && (size_t)field.width > length ? (size_t)field.width - length : 0;
    if (!(field.flags & FLAG_LEFT))
        PutRepeated(out, ' ', padding);
    PutText(out, text, length);
    if (field.flags & FLAG_LEFT)
        PutRepeated(out, ' ', padding);
}

static void PutField(FormatOutput* out, FormatField field, va_list* args)
{
    if (field.width == FROM_ARGUMENT) {
        field.width = va_arg(*args, int);
        if (field.width < 0) {
            field.flags |= FLAG_LEFT;
            // INT_MIN has no positive int: the unsigned negation keeps it.
            field.width = (int)(0u - (unsigned int)field.width);
            if (field.width < 0)
                field.width = 0x7FFFFFFF;
        }
    }
    if (field.precision == FROM_ARGUMENT) {
        field.precision = va_arg(*args, int);
        if (field.precision < 0)
            field.precision = NOT_GIVEN;
    }
    switch (field.conversion) {
    case '%':
        PutRepeated(out, '%', 1);
        return;
    case 'c': {
        char c = (char)va_arg(*args, int);
        PutPadded(out, field, &c, 1);
        return;
    }
    case 's': {
        const char* text = va_arg(*args, const char*);
        if (text == NULL)
            text = "(null)";
        size_t length = 0;
        while ((field.precision == NOT_GIVEN || length < (size_t)field.precision) && text[length] != '\0')
            ++length;
        PutPadded(out, field, text, length);
        return;
    }
    case 'd':
    case 'i': {
        int value = va_arg(*args, int);
        unsigned int magnitude = value < 0 ? 0u - (unsigned int)value : (unsigned int)value;
        PutNumber(out, field, magnitude, value < 0);
        return;
    }
    default:
        PutNumber(out, field, va_arg(*args, unsigned int), false);
    }
}

HRESULT FormatBoundedV(char* dest, size_t destSize, const char* format, va_list args)
{
    if (destSize == 0 || destSize > BOUNDED_MAX_SIZE)
        return BOUNDED_INVALID;
    if (format == NULL || !FormatIsValid(format)) {
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
