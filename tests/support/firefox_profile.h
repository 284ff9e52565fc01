// The user's Firefox folder in the test prefix (%APPDATA%\Mozilla\Firefox):
// profiles.ini and profile folders with their extensions.cache.
#pragma once
#include <windows.h>
#include <string>
#include "test_files.h"

#define TOOLBAR_EXTENSION_ID "{3112ca9c-de6d-4884-a869-9855de68056c}"

std::string FirefoxFolder();
// Makes the folder the user's application-data folder, where Windows keeps
// it (the user's shell folders); UTF-8, any characters.
void UseAppDataFolder(const std::string& folder);
void WriteProfilesIni(const std::string& contents);
// A profile folder relative to the Firefox folder, and its cache.
void WriteExtensionsCache(const std::string& profile, const std::string& bytes);
// A cache of exactly `size` bytes that ends with the toolbar's id.
std::string CacheEndingWithId(size_t size);
void RemoveFirefoxFolder();
