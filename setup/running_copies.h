// A running copy of Tarvex or of its self-extractor stands in the way.
#pragma once
#include <windows.h>

// 1 when none is open (any closed after Retry), 0 when the user chose Cancel.
int WaitForRunningCopies();
