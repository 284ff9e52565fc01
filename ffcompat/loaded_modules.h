// The modules the NT loader has mapped into this process and the functions
// they export, read from the loader's own records and export directories.
// The export uses these before its own module is relocated, so nothing here
// holds an absolute address of this module: no string, table or global.
// Names are asked for by a key computed from the name at compile time.
#pragma once
#include <windows.h>

// FNV-1a over the name's characters, ASCII letters taken as lower case:
// module names are matched without regard to case, and no two functions a
// module exports differ by case alone.
#define NAME_KEY_START 2166136261u
constexpr DWORD NameKeyStep(DWORD key, unsigned character)
{
    return (key ^ (character >= 'A' && character <= 'Z' ? character + ('a' - 'A') : character)) * 16777619u;
}
constexpr DWORD NameKey(const char* name)
{
    DWORD key = NAME_KEY_START;
    while (*name != '\0')
        key = NameKeyStep(key, (BYTE)*name++);
    return key;
}
// The key as a constant of the code, never a text of the program's.
template <DWORD key>
struct CompileTimeNameKey {
    static constexpr DWORD value = key;
};
#define NAME_KEY(name) (CompileTimeNameKey<NameKey(name)>::value)

struct LoaderData;

// The NT loader's records of this process; NULL where there are none
// (Windows 95, 98 and Me keep other records at the same place).
LoaderData* NtLoaderData();
// The base of the loaded module whose file name, without its folder, has
// this key ("kernel32.dll"); NULL when no such module is loaded.
BYTE* LoadedModuleWithKey(LoaderData* loader, DWORD fileNameKey);
// A function a loaded module exports by the name with this key. A forwarded
// export ("KERNELBASE.VirtualProtect") is followed into the module it names
// where that one is loaded too. NULL when there is none.
FARPROC ExportWithKey(LoaderData* loader, const BYTE* module, DWORD functionKey);
// The PE headers of a module mapped at `image`; NULL when they are not there.
const IMAGE_NT_HEADERS* ImageHeaders(const BYTE* image);
