#include "setup/machine_probes.h"

// Read, set-value and create-subkey access: what installing class
// registrations takes.
#define PROBE_ACCESS 0x0002001F

static const char* const ProbeSubkey = "{00000000-0000-0000-0000-000000000000}";
static const char* const ProbeValue = "X13D5SY3FG7TX";

// The subkey is already there: write a value into it and remove it again.
static bool ProbeExistingSubkey(HKEY subkey)
{
    return RegSetValueExA(subkey, ProbeValue, 0, REG_SZ, (const BYTE*)"0", 2) == ERROR_SUCCESS &&
           RegDeleteValueA(subkey, ProbeValue) == ERROR_SUCCESS;
}

// The subkey is not there: create it and remove it again.
static bool ProbeNewSubkey(HKEY classes)
{
    HKEY subkey;
    if (RegCreateKeyExA(classes, ProbeSubkey, 0, NULL, REG_OPTION_NON_VOLATILE, PROBE_ACCESS, NULL, &subkey,
                        NULL) != ERROR_SUCCESS)
        return false;
    RegCloseKey(subkey);
    return RegDeleteKeyA(classes, ProbeSubkey) == ERROR_SUCCESS;
}

int LacksRegistryWriteAccess()
{
    HKEY classes;
    // Without any class registrations to read there is nothing to judge by.
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID", 0, KEY_READ, &classes) != ERROR_SUCCESS)
        return 0;
    RegCloseKey(classes);

    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID", 0, PROBE_ACCESS, &classes) != ERROR_SUCCESS)
        return 1;
    bool written;
    HKEY subkey;
    if (RegOpenKeyExA(classes, ProbeSubkey, 0, PROBE_ACCESS, &subkey) == ERROR_SUCCESS) {
        written = ProbeExistingSubkey(subkey);
        RegCloseKey(subkey);
    } else {
        written = ProbeNewSubkey(classes);
    }
    RegCloseKey(classes);
    return !written;
}
