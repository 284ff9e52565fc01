// The installed product's version, and the completion report opened on
// the maker's web server when this run made the product newer.
#pragma once
#include <windows.h>
#include "setup/run_record.h"

#define PARTNER_LIST_CHARS 512
#define MODULE_STRING_CHARS 512

void SendCompletionReport(const FileVersion* before, const RunRecord* run);
// The report address SendCompletionReport opens, in a buffer of
// REPORT_ADDRESS_CHARS; 0 when this run sends no report.
#define REPORT_ADDRESS_CHARS 1024
int PrepareCompletionReport(const FileVersion* before, const RunRecord* run, char* address);
void AppendPartnerItem(char* list, size_t size, const char* code, int flag);
int LoadModuleString(HMODULE module, UINT id, char* buffer);
