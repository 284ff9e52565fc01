#include "setup/browser_entries.h"
#include "text/bounded.h"
#include "platform/owned.h"

#define REGISTRY_PATH_CHARS 512
// The compatibility flag that keeps Internet Explorer from loading a
// component as an ActiveX control (its "kill bit").
#define NOT_AN_ACTIVEX_CONTROL 0x00000400

static const char* const AddOnClassIds[] = {
    "{A09AE68F-B14D-43ED-B713-BA413F034904}",
    "{F3834A2B-19CF-4A90-BE1D-ECC410D9DA09}",
};

LONG DeleteRegistryTree(HKEY root, const char* path)
{
    OwnedKey key;
    LONG status = RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, key.Receive());
    if (status != ERROR_SUCCESS)
        return status;
    // A subkey whose path does not fit is stepped over: cut, the path would
    // name another key, its own parent among them, which would then be
    // deleted again and again without end. Windows NT then keeps the key,
    // which still has a subkey; Windows 95, 98 and Me delete it whole, which
    // is the tree asked for.
    for (DWORD index = 0;;) {
        char name[REGISTRY_PATH_CHARS];
        DWORD nameChars = sizeof name;
        status = RegEnumKeyExA(key, index, name, &nameChars, NULL, NULL, NULL, NULL);
        if (status != ERROR_SUCCESS)
            break;
        char subPath[REGISTRY_PATH_CHARS];
        if (FormatBounded(subPath, sizeof subPath, "%s\\%s", path, name) != BOUNDED_OK) {
            ++index;
            continue;
        }
        status = DeleteRegistryTree(root, subPath);
        if (status != ERROR_SUCCESS)
            return status;
    }
    if (status == ERROR_NO_MORE_ITEMS)
        status = RegDeleteKeyA(root, path);
    return status;
}

// The product's two browser components must not be loaded by Internet
// Explorer as ActiveX controls: drop their category registrations and set
// their compatibility flags. Failures here change nothing else.
void PrepareBrowserAddOnEntries()
{
    char path[REGISTRY_PATH_CHARS];
    for (const char* classId : AddOnClassIds) {
        (void)FormatBounded(path, sizeof path, "CLSID\\%s\\Implemented Categories", classId);
        (void)DeleteRegistryTree(HKEY_CLASSES_ROOT, path);  // absent is fine
    }

    OwnedKey compatibility;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer\\ActiveX Compatibility",
                      0, KEY_ALL_ACCESS, compatibility.Receive()) != ERROR_SUCCESS)
        return;
    for (const char* classId : AddOnClassIds) {
        OwnedKey entry;
        if (RegCreateKeyExA(compatibility, classId, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, NULL,
                            entry.Receive(), NULL) != ERROR_SUCCESS)
            continue;
        DWORD flags = NOT_AN_ACTIVEX_CONTROL;
        (void)RegSetValueExA(entry, "Compatibility Flags", 0, REG_DWORD, (const BYTE*)&flags, sizeof flags);
    }
}
