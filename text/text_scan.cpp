#include "text/text_scan.h"
#include <limits.h>

const char* FindText(const char* needle, const char* text, TextSteps steps)
{
    int needleLength = lstrlenA(needle);
    for (const char* start = text; *start != '\0'; start = steps == STEP_BY_BYTE ? start + 1 : CharNextA(start)) {
        int matched = 0;
        while (matched < needleLength && start[matched] == needle[matched])
            ++matched;
        if (matched == needleLength)
            return start;
    }
    return needleLength == 0 ? text : NULL;
}

const char* FindTextNoCase(const char* needle, const char* text)
{
    if (needle == NULL || text == NULL)
        return NULL;
    if (needle[0] == '\0')
        return text;
    if (text[0] == '\0')
        return NULL;
    int needleLength = lstrlenA(needle);
    int textLength = lstrlenA(text);
    if (needleLength > 1023 || textLength > 1023)
        return NULL;

    char upperNeedle[1024];
    char upperText[1024];
    CopyMemory(upperNeedle, needle, needleLength + 1);
    CopyMemory(upperText, text, textLength + 1);
    CharUpperA(upperNeedle);
    CharUpperA(upperText);
    // Upper-casing keeps the byte length in every code page setup runs in;
    // a match is taken back to the text only where it lies within it.
    const char* found = FindText(upperNeedle, upperText, STEP_BY_CHARACTER);
    if (found == NULL)
        return NULL;
    int offset = (int)(found - upperText);
    return offset <= lstrlenA(text) ? text + offset : NULL;
}

int ReadVersionPart(char* text, char** rest)
{
    if (rest != NULL)
        *rest = NULL;
    if (text == NULL)
        return 0;
    const char* dot = FindTextNoCase(".", text);
    if (dot != NULL) {
        char* cut = text + (dot - text);
        *cut = '\0';
        if (rest != NULL)
            *rest = cut + 1;
    }

    const char* position = text;
    while (*position == ' ')
        ++position;
    bool negative = false;
    if (*position == '-') {
        negative = true;
        ++position;
    }
    // Digit runs too long for an int saturate instead of wrapping around.
    const unsigned long long limit = negative ? (unsigned long long)INT_MAX + 1 : (unsigned long long)INT_MAX;
    unsigned long long value = 0;
    while (*position >= '0' && *position <= '9') {
        value = value * 10 + (unsigned)(*position - '0');
        if (value > limit)
            value = limit;
        ++position;
    }
    if (negative)
        return value == (unsigned long long)INT_MAX + 1 ? INT_MIN : -(int)value;
    return (int)value;
}
