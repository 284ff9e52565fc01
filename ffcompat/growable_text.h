// A text on the process heap that grows as parts are appended. A failed
// allocation marks the text as broken, and every later use sees that.
#pragma once
#include <windows.h>

struct GrowableText {
    char* text;
    size_t length;
    size_t capacity;
    bool broken;
};

void StartText(GrowableText* grown);
bool AppendText(GrowableText* grown, const char* part);
// The text so far, or null when an allocation failed.
const char* TextOf(const GrowableText* grown);
void ReleaseText(GrowableText* grown);
