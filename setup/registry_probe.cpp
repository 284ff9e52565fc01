#include "setup/registry_probe.h"
#include "platform/owned.h"

// Read, set-value and create-subkey access: what installing class
// registrations takes.
#define PROBE_ACCESS (KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY)

static const char* const ProbeSubkey = "{00000000-0000-0000-0000-000000000000}";
static const char* const ProbeValue = "X13D5SY3FG7TX";

// The subkey is already there: write a value into it and remove it again.
static bool ProbeExistingSubkey(HKEY subkey)
{
    return RegSetValueExA(subkey, ProbeValue, 0, REG_SZ, (const BYTE*)"0", 2) == ERROR_SUCCESS &&
           RegDeleteValueA(subkey, ProbeValue) == ERROR_SUCCESS;
}

static bool CreateProbeSubkey(HKEY classes)
{
    OwnedKey subkey;
    return RegCreateKeyExA(classes, ProbeSubkey, 0, NULL, REG_OPTION_NON_VOLATILE, PROBE_ACCESS, NULL,
                           subkey.Receive(), NULL) == ERROR_SUCCESS;
}

// The subkey is not there: create it and remove it again.
static bool ProbeNewSubkey(HKEY classes)
{
    return CreateProbeSubkey(classes) && RegDeleteKeyA(classes, ProbeSubkey) == ERROR_SUCCESS;
}

static bool ClassRegistrationsReadable()
{
    OwnedKey classes;
    return RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID", 0, KEY_READ, classes.Receive()) == ERROR_SUCCESS;
}

int LacksRegistryWriteAccess()
{
    // Without any class registrations to read there is nothing to judge by.
    if (!ClassRegistrationsReadable())
        return 0;

    OwnedKey classes;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID", 0, PROBE_ACCESS, classes.Receive()) != ERROR_SUCCESS)
        return 1;
    OwnedKey subkey;
    if (RegOpenKeyExA(classes, ProbeSubkey, 0, PROBE_ACCESS, subkey.Receive()) == ERROR_SUCCESS)
        return !ProbeExistingSubkey(subkey);
    return !ProbeNewSubkey(classes);
}
