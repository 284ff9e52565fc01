#include "ffcompat/growable_text.h"

void StartText(GrowableText* grown)
{
    grown->text = NULL;
    grown->length = 0;
    grown->capacity = 0;
    grown->broken = false;
}

bool AppendText(GrowableText* grown, const char* part)
{
    if (grown->broken)
        return false;
    size_t partLength = (size_t)lstrlenA(part);
    size_t needed = grown->length + partLength + 1;
    if (needed > grown->capacity) {
        size_t capacity = grown->capacity < 64 ? 64 : grown->capacity;
        while (capacity < needed)
            capacity *= 2;
        HANDLE heap = GetProcessHeap();
        char* larger = grown->text == NULL ? (char*)HeapAlloc(heap, 0, capacity)
                                           : (char*)HeapReAlloc(heap, 0, grown->text, capacity);
        if (larger == NULL) {
            grown->broken = true;
            return false;
        }
        grown->text = larger;
        grown->capacity = capacity;
    }
    CopyMemory(grown->text + grown->length, part, partLength + 1);
    grown->length += partLength;
    return true;
}

const char* TextOf(const GrowableText* grown)
{
    return grown->broken || grown->text == NULL ? NULL : grown->text;
}

void ReleaseText(GrowableText* grown)
{
    if (grown->text != NULL)
        HeapFree(GetProcessHeap(), 0, grown->text);
    StartText(grown);
}
