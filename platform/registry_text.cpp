#include "platform/registry_text.h"
#include "platform/owned.h"

static char RegistryText[REGISTRY_TEXT_CHARS];

static bool IsTextType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

char* ReadRegistryText(HKEY root, const char* subKey, const char* valueName)
{
    ZeroMemory(RegistryText, sizeof RegistryText);
    OwnedKey key;
    if (RegOpenKeyExA(root, subKey, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return RegistryText;
    DWORD type = REG_NONE;
    DWORD size = sizeof RegistryText;
    LONG status = RegQueryValueExA(key, valueName, NULL, &type, (BYTE*)RegistryText, &size);
    if (status != ERROR_SUCCESS || !IsTextType(type)) {
        RegistryText[0] = '\0';
        return RegistryText;
    }
    // A value stored without its terminator, or one that fills the buffer
    // to the last byte, is cut rather than left running past the buffer.
    if (size > sizeof RegistryText - 1)
        size = sizeof RegistryText - 1;
    RegistryText[size] = '\0';
    return RegistryText;
}

LONG ReadWholeValueText(HKEY key, const char* name, char* text, DWORD size, DWORD* type)
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

int ReadAnyValueAsText(HKEY key, const char* name, char* text, DWORD size)
{
    ZeroMemory(text, size);
    DWORD length = size;
    if (RegQueryValueExA(key, name, NULL, NULL, (BYTE*)text, &length) != ERROR_SUCCESS) {
        text[0] = '\0';
        return 0;
    }
    if (length > size - 1)
        length = size - 1;
    text[length] = '\0';
    return 1;
}
