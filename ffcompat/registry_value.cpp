#include "ffcompat/registry_value.h"

int ReadValueBytes(HKEY key, const char* name, char text[FFTB_REGISTRY_TEXT_BYTES])
{
    ZeroMemory(text, FFTB_REGISTRY_TEXT_BYTES);
    DWORD size = FFTB_REGISTRY_TEXT_BYTES;
    if (RegQueryValueExA(key, name, NULL, NULL, (BYTE*)text, &size) != ERROR_SUCCESS) {
        text[0] = '\0';
        return 0;
    }
    if (size > FFTB_REGISTRY_TEXT_BYTES - 1)
        size = FFTB_REGISTRY_TEXT_BYTES - 1;
    text[size] = '\0';
    return 1;
}
