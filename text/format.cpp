// The printf conversions that setup's texts use, written out here: the
// program links no C runtime, so that it starts on systems that ship none
// (Windows 95 has no msvcrt.dll). Understood: %s %c %d %i %u %x %X %%, the
// flags '-' and '0', a width, a precision for %s, and the size letters h
// and l (a long is an int on Windows). Any other conversion is copied as it
// stands and takes no argument; a null text is written as no text.
#include "text/text.h"

struct FormatOutput {
    char* dest;
    size_t room;    // characters that fit before the terminating NUL
    size_t length;  // characters produced, also those that did not fit
};

static void Put(FormatOutput* out, char c)
{
    if (out->length < out->room)
        out->dest[out->length] = c;
    ++out->length;
}

static void PutRepeated(FormatOutput* out, char c, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        Put(out, c);
}

struct FieldSpec {
    bool leftAligned;
    bool zeroPadded;
    size_t width;
    size_t precision;  // (size_t)-1 when none was given
};

// A sign (or nothing), then the text, padded to the width.
static void PutField(FormatOutput* out, const FieldSpec& spec, const char* sign, const char* text, size_t count)
{
    size_t signLength = sign[0] != '\0' ? 1 : 0;
    size_t fill = spec.width > count + signLength ? spec.width - count - signLength : 0;
    if (!spec.leftAligned && !spec.zeroPadded)
        PutRepeated(out, ' ', fill);
    if (signLength != 0)
        Put(out, sign[0]);
    if (!spec.leftAligned && spec.zeroPadded)
        PutRepeated(out, '0', fill);
    for (size_t i = 0; i < count; ++i)
        Put(out, text[i]);
    if (spec.leftAligned)
        PutRepeated(out, ' ', fill);
}

static void PutNumber(FormatOutput* out, const FieldSpec& spec, unsigned int magnitude, unsigned int base,
                      bool upperCase, const char* sign)
{
    char text[16];
    size_t count = 0;
    do {
        char digit = "0123456789ABCDEF"[magnitude % base];
        text[sizeof text - 1 - count++] = upperCase || digit <= '9' ? digit : (char)(digit | 0x20);
        magnitude /= base;
    } while (magnitude != 0);
    PutField(out, spec, sign, text + sizeof text - count, count);
}

static size_t ReadCount(const char** position)
{
    size_t count = 0;
    while (**position >= '0' && **position <= '9') {
        if (count < 100000)  // a field wider than any buffer of setup is no wider
            count = count * 10 + (size_t)(**position - '0');
        ++*position;
    }
    return count;
}

// Formats one conversion that starts after the '%'; returns the position
// after it, or NULL when the conversion is not understood.
static const char* PutConversion(FormatOutput* out, const char* position, va_list* args)
{
    FieldSpec spec = {false, false, 0, (size_t)-1};
    for (;; ++position) {
        if (*position == '-')
            spec.leftAligned = true;
        else if (*position == '0')
            spec.zeroPadded = true;
        else
            break;
    }
    spec.width = ReadCount(&position);
    if (*position == '.') {
        ++position;
        spec.precision = ReadCount(&position);
    }
    bool isShort = false;
    if (*position == 'h' || *position == 'l') {
        isShort = *position == 'h';
        ++position;
    }
    switch (*position) {
    case 'd':
    case 'i': {
        int value = va_arg(*args, int);
        if (isShort)
            value = (short)value;
        unsigned int magnitude = value < 0 ? 0u - (unsigned int)value : (unsigned int)value;
        spec.precision = (size_t)-1;
        PutNumber(out, spec, magnitude, 10, false, value < 0 ? "-" : "");
        break;
    }
    case 'u':
    case 'x':
    case 'X': {
        unsigned int value = va_arg(*args, unsigned int);
        if (isShort)
            value = (unsigned short)value;
        PutNumber(out, spec, value, *position == 'u' ? 10 : 16, *position == 'X', "");
        break;
    }
    case 'c': {
        char c = (char)va_arg(*args, int);
        spec.zeroPadded = false;
        PutField(out, spec, "", &c, 1);
        break;
    }
    case 's': {
        const char* text = va_arg(*args, const char*);
        if (text == NULL)
            text = "";
        size_t count = 0;
        while (count < spec.precision && text[count] != '\0')
            ++count;
        spec.zeroPadded = false;
        PutField(out, spec, "", text, count);
        break;
    }
    case '%':
        Put(out, '%');
        break;
    default:
        return NULL;
    }
    return position + 1;
}

HRESULT FormatBoundedV(char* dest, size_t destSize, const char* format, va_list args)
{
    if (destSize == 0 || destSize > BOUNDED_MAX_SIZE)
        return BOUNDED_INVALID;
    FormatOutput out = {dest, destSize - 1, 0};
    va_list remaining;
    va_copy(remaining, args);
    const char* position = format;
    while (*position != '\0') {
        const char* next = *position == '%' ? PutConversion(&out, position + 1, &remaining) : NULL;
        if (next != NULL) {
            position = next;
        } else {
            Put(&out, *position);
            ++position;
        }
    }
    va_end(remaining);
    if (out.length > out.room) {
        dest[out.room] = '\0';
        return BOUNDED_TRUNCATED;
    }
    dest[out.length] = '\0';
    return BOUNDED_OK;
}
