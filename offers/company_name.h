// The company a program's version resource names, in its first
// translation: the name an offer hold is kept under.
#pragma once
#include <windows.h>

#define COMPANY_NAME_CHARS 260
// 1 and the name (cut to nothing: a name that does not fit is no name), or 0.
int ReadCompanyName(const char* path, char company[COMPANY_NAME_CHARS]);
