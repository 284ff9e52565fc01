#include "text/registry_text.h"

LONG ReadValueText(HKEY key, const char* name, char* text, DWORD size, DWORD* type)
{
    if (size == 0)
        return ERROR_INVALID_PARAMETER;
    DWORD length = size;
    LONG status = RegQueryValueExA(key, name, NULL, type, (BYTE*)text, &length);
    if (status != ERROR_SUCCESS) {
        text[0] = '\0';
        return status;
    }
    if (length == 0) {
        text[0] = '\0';
    } else if (text[length - 1] != '\0') {
        // Stored without its NUL: add one where it still fits.
        if (length >= size) {
            text[0] = '\0';
            return ERROR_MORE_DATA;
        }
        text[length] = '\0';
    }
    return ERROR_SUCCESS;
}
