// The installed product's version, and the completion report opened on
// the maker's web server when this run made the product newer.
#pragma once
#include <windows.h>
#include "setup/run_record.h"

#define PARTNER_LIST_CHARS 512
#define MODULE_STRING_CHARS 512

// Asks the registry cleaner's partner again, after the installers: 1 when
// it answered that its product may no longer be offered (so it is on the
// machine now), 0 otherwise, also when it could not be asked.
typedef int (*CleanerQuestion)();

// The cleaner's partner is asked only when its offer was shown and a
// report is sent.
void SendCompletionReport(const FileVersion* before, const RunRecord* run, CleanerQuestion cleanerInstalledNow);
// The report address SendCompletionReport opens, in a buffer of
// REPORT_ADDRESS_CHARS; 0 when this run sends no report.
#define REPORT_ADDRESS_CHARS 1024
int PrepareCompletionReport(const FileVersion* before, const RunRecord* run, CleanerQuestion cleanerInstalledNow,
                            char* address);
void AppendPartnerItem(char* list, size_t size, const char* code, int flag);
int LoadModuleString(HMODULE module, UINT id, char* buffer);
