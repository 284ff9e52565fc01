// What the e-mail companion's registry entries say about it.
#pragma once
#include <windows.h>

// 1 when the companion's marker file lies in the folder its registry
// entries name.
int EmailCompanionInstalled();
// Drops leading and trailing blanks and then one pair of enclosing quotes.
void TrimRegistryString(char* text);
