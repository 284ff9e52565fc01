// The registry entries of the product's browser add-ons, prepared before
// anything is installed.
#pragma once
#include <windows.h>

// Drops the add-ons' category registrations and sets their ActiveX
// compatibility flags; failures change nothing else.
void PrepareBrowserAddOnEntries();
// Deletes the key and every key below it, deepest first. Returns the
// registry status of the last operation (0 for success).
LONG DeleteRegistryTree(HKEY root, const char* path);
