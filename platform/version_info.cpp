#include "platform/version_info.h"
#include "platform/optional_functions.h"

DWORD VersionInfoSize(const char* path)
{
    GetFileVersionInfoSizeFunction size = OptionalFunctionOf<GetFileVersionInfoSizeFunction>(GET_FILE_VERSION_INFO_SIZE);
    DWORD unused;
    return size != NULL ? size(path, &unused) : 0;
}

BOOL VersionInfoRead(const char* path, DWORD size, void* block)
{
    GetFileVersionInfoFunction read = OptionalFunctionOf<GetFileVersionInfoFunction>(GET_FILE_VERSION_INFO);
    return read != NULL && read(path, 0, size, block);
}

BOOL VersionInfoQuery(const void* block, const char* subBlock, void** value, UINT* length)
{
    VerQueryValueFunction query = OptionalFunctionOf<VerQueryValueFunction>(VER_QUERY_VALUE);
    return query != NULL && query(block, subBlock, value, length);
}
