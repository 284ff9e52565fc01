#include "setup/file_version.h"
#include "platform/version_info.h"
#include "platform/owned.h"

int ReadFileVersion(const char* path, FileVersion* version)
{
    version->high = 0;
    version->low = 0;
    DWORD size = VersionInfoSize(path);
    if (size == 0)
        return 0;
    OwnedBlock<void*> block(HeapAlloc(GetProcessHeap(), 0, size));
    if (!block.Holds())
        return 0;
    VS_FIXEDFILEINFO* fixed = NULL;
    UINT length = 0;
    // A resource without a whole fixed record (or with a foreign signature)
    // holds no version that could be compared.
    int found = VersionInfoRead(path, size, block) &&
                VersionInfoQuery(block, "\\", (void**)&fixed, &length) && fixed != NULL &&
                length >= sizeof *fixed && fixed->dwSignature == VS_FFI_SIGNATURE;
    if (found) {
        version->high = fixed->dwFileVersionMS;
        version->low = fixed->dwFileVersionLS;
    }
    return found;
}
