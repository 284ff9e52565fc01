// Redirects HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER and HKEY_CLASSES_ROOT of
// the test process to scratch keys for the life of the object, so that a
// test sees only the registry it built. The scratch keys are deleted at the
// end.
#pragma once
#include <windows.h>
#include <string>

class RegistrySandbox {
public:
    RegistrySandbox();
    ~RegistrySandbox();

private:
    std::string root_;
};

// Small helpers for building and reading registry state in tests.
bool SetText(HKEY root, const char* key, const char* name, const char* value, DWORD type = REG_SZ);
bool SetBytes(HKEY root, const char* key, const char* name, const void* data, DWORD size, DWORD type);
bool SetNumber(HKEY root, const char* key, const char* name, DWORD value);
bool CreateKey(HKEY root, const char* key);
bool KeyExists(HKEY root, const char* key);
bool ValueExists(HKEY root, const char* key, const char* name);
std::string GetText(HKEY root, const char* key, const char* name);
DWORD GetNumber(HKEY root, const char* key, const char* name, DWORD otherwise = 0xdeadbeef);
void DeleteTree(HKEY root, const char* key);
// Replaces the key by an empty volatile one. Wine lets every user write
// anywhere in the registry; below a volatile key no lasting subkey can be
// made, which refuses a write the way a missing right would.
bool MakeKeyRefuseLastingSubkeys(HKEY root, const char* key);
// Creates the key where missing and lets everyone read it and nobody change
// it, as the machine's keys are for a standard user of Windows NT. Wine
// refuses opening such a key for writing; it does not refuse creating a key
// below it, which a parent made with MakeKeyRefuseLastingSubkeys does.
bool MakeKeyReadOnly(HKEY root, const char* key);
