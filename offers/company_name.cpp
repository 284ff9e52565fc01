#include "offers/company_name.h"
#include "platform/version_info.h"
#include "platform/owned.h"
#include "text/bounded.h"

#define VERSION_BLOCK_BYTES 8192

int ReadCompanyName(const char* path, char company[COMPANY_NAME_CHARS])
{
    DWORD size = VersionInfoSize(path);
    if (size == 0 || size > VERSION_BLOCK_BYTES)
        return 0;
    OwnedBlock<void*> block(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, VERSION_BLOCK_BYTES));
    if (!block.Holds())
        return 0;
    int found = 0;
    void* value = NULL;
    UINT valueLength = 0;
    if (VersionInfoRead(path, VERSION_BLOCK_BYTES, block) &&
        VersionInfoQuery(block, "\\VarFileInfo\\Translation", &value, &valueLength) && valueLength == 4) {
        DWORD translation = *(const DWORD*)value;
        WORD language = LOWORD(translation);
        WORD codePage = HIWORD(translation);
        char subBlock[256];
        (void)FormatBounded(subBlock, sizeof subBlock, "\\StringFileInfo\\%02X%02X%02X%02X\\CompanyName",
                            HIBYTE(language), LOBYTE(language), HIBYTE(codePage), LOBYTE(codePage));  // always fits
        if (VersionInfoQuery(block, subBlock, &value, &valueLength) && valueLength != 0 &&
            valueLength < COMPANY_NAME_CHARS) {
            ZeroMemory(company, COMPANY_NAME_CHARS);
            (void)CopyBoundedN(company, COMPANY_NAME_CHARS, (const char*)value, valueLength);  // fits: checked above
            found = 1;
        }
    }
    return found;
}
