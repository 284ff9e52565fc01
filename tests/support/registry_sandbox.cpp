#include "registry_sandbox.h"
#include <stdio.h>

static const HKEY RedirectedRoots[] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT};

RegistrySandbox::RegistrySandbox()
{
    static int count;
    char name[128];
    snprintf(name, sizeof name, "Software\\TarvexSetupTests\\%lu-%d", GetCurrentProcessId(), ++count);
    root_ = name;
    int index = 0;
    for (HKEY root : RedirectedRoots) {
        char path[160];
        snprintf(path, sizeof path, "%s\\%d", root_.c_str(), index++);
        HKEY scratch;
        RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &scratch, NULL);
        RegOverridePredefKey(root, scratch);
        RegCloseKey(scratch);
    }
}

RegistrySandbox::~RegistrySandbox()
{
    for (HKEY root : RedirectedRoots)
        RegOverridePredefKey(root, NULL);
    DeleteTree(HKEY_CURRENT_USER, root_.c_str());
}

bool SetBytes(HKEY root, const char* key, const char* name, const void* data, DWORD size, DWORD type)
{
    HKEY handle;
    if (RegCreateKeyExA(root, key, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &handle, NULL) != ERROR_SUCCESS)
        return false;
    bool ok = RegSetValueExA(handle, name, 0, type, (const BYTE*)data, size) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return ok;
}

bool SetText(HKEY root, const char* key, const char* name, const char* value, DWORD type)
{
    return SetBytes(root, key, name, value, lstrlenA(value) + 1, type);
}

bool SetNumber(HKEY root, const char* key, const char* name, DWORD value)
{
    return SetBytes(root, key, name, &value, sizeof value, REG_DWORD);
}

bool CreateKey(HKEY root, const char* key)
{
    HKEY handle;
    if (RegCreateKeyExA(root, key, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &handle, NULL) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

bool KeyExists(HKEY root, const char* key)
{
    HKEY handle;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

bool ValueExists(HKEY root, const char* key, const char* name)
{
    HKEY handle;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    bool exists = RegQueryValueExA(handle, name, NULL, NULL, NULL, NULL) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return exists;
}

std::string GetText(HKEY root, const char* key, const char* name)
{
    char value[2048] = "";
    DWORD size = sizeof value - 1;
    HKEY handle;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return "<no key>";
    LONG status = RegQueryValueExA(handle, name, NULL, NULL, (BYTE*)value, &size);
    RegCloseKey(handle);
    return status == ERROR_SUCCESS ? std::string(value) : std::string("<no value>");
}

DWORD GetNumber(HKEY root, const char* key, const char* name, DWORD otherwise)
{
    DWORD value = otherwise, size = sizeof value, type = 0;
    HKEY handle;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return otherwise;
    if (RegQueryValueExA(handle, name, NULL, &type, (BYTE*)&value, &size) != ERROR_SUCCESS || type != REG_DWORD)
        value = otherwise;
    RegCloseKey(handle);
    return value;
}

static void DeleteTreeInView(HKEY root, const char* key, REGSAM view)
{
    HKEY handle;
    if (RegOpenKeyExA(root, key, 0, KEY_ALL_ACCESS | view, &handle) != ERROR_SUCCESS)
        return;
    char name[512];
    DWORD size = sizeof name;
    while (RegEnumKeyExA(handle, 0, name, &size, NULL, NULL, NULL, NULL) == ERROR_SUCCESS) {
        std::string child = std::string(key) + "\\" + name;
        DeleteTreeInView(root, child.c_str(), view);
        size = sizeof name;
    }
    RegCloseKey(handle);
    RegDeleteKeyExA(root, key, view, 0);
}

void DeleteTree(HKEY root, const char* key)
{
    DeleteTreeInView(root, key, 0);
}

// A 32-bit program whose own view of the key is gone is shown the 64-bit
// key by Wine: that one must refuse lasting subkeys too.
bool MakeKeyRefuseLastingSubkeys(HKEY root, const char* key)
{
#ifdef _WIN64
    const REGSAM views[] = {0};
#else
    const REGSAM views[] = {KEY_WOW64_64KEY, 0};
#endif
    for (REGSAM view : views) {
        DeleteTreeInView(root, key, view);
        HKEY handle;
        if (RegCreateKeyExA(root, key, 0, NULL, REG_OPTION_VOLATILE, KEY_ALL_ACCESS | view, NULL, &handle, NULL) !=
            ERROR_SUCCESS)
            return false;
        RegCloseKey(handle);
    }
    return true;
}

bool MakeKeyReadOnly(HKEY root, const char* key)
{
    HKEY handle;
    if (RegCreateKeyExA(root, key, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &handle, NULL) != ERROR_SUCCESS)
        return false;
    BYTE everyone[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof everyone;
    DWORD aclBuffer[64];
    PACL acl = (PACL)aclBuffer;
    SECURITY_DESCRIPTOR descriptor;
    bool done = CreateWellKnownSid(WinWorldSid, NULL, everyone, &sidSize) &&
                InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION) &&
                AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ, everyone) &&
                InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
                SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) &&
                RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return done;
}
