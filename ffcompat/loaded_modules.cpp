#include "ffcompat/loaded_modules.h"

// The few fields of the NT loader's records that lead to the modules, laid
// out as the loader lays them out on either processor.
struct LoaderLink {
    LoaderLink* next;
    LoaderLink* previous;
};
struct CountedWideText {
    USHORT bytes;
    USHORT capacity;
    const WCHAR* text;
};
// A loaded module's record, seen from its link in the memory-order list.
struct LoadedModuleRecord {
    LoaderLink inMemoryOrder;
    LoaderLink inInitializationOrder;
    BYTE* base;
    void* entryPoint;
    ULONG_PTR imageBytes;
    CountedWideText fullName;
    CountedWideText baseName;
};
struct LoaderData {
    ULONG bytes;
    BOOLEAN initialized;
    void* subsystem;
    LoaderLink inLoadOrder;
    LoaderLink inMemoryOrder;
};
struct ProcessBlock {
    BYTE flags[4];
    void* mutant;
    void* imageBase;
    LoaderData* loader;
};

// A list with more modules than this is taken for a damaged one.
#define MODULES_AT_MOST 4096
// Forwarded exports followed from one module to the next before giving up.
#define FORWARDS_AT_MOST 4
// ".dll" read as a little-endian number: the extension a forward leaves out.
#define DLL_EXTENSION_CHARACTERS 0x6c6c642eu

LoaderData* NtLoaderData()
{
    ProcessBlock* process;
#if defined(__x86_64__)
    __asm__("movq %%gs:0x60, %0" : "=r"(process));
#else
    __asm__("movl %%fs:0x30, %0" : "=r"(process));
    // Windows 95, 98 and Me keep their own process record there, in the
    // shared arena above 2 GB; an NT process block lies below it, and so do
    // the loader records it points to.
    if ((ULONG_PTR)process >= 0x80000000u)
        return NULL;
#endif
    if (process == NULL)
        return NULL;
    LoaderData* loader = process->loader;
#if !defined(__x86_64__)
    if ((ULONG_PTR)loader >= 0x80000000u)
        return NULL;
#endif
    if (loader == NULL || !loader->initialized || loader->inMemoryOrder.next == NULL)
        return NULL;
    return loader;
}

BYTE* LoadedModuleWithKey(LoaderData* loader, DWORD fileNameKey)
{
    LoaderLink* head = &loader->inMemoryOrder;
    LoaderLink* link = head->next;
    for (int seen = 0; link != NULL && link != head && seen < MODULES_AT_MOST; ++seen, link = link->next) {
        const LoadedModuleRecord* module = (const LoadedModuleRecord*)link;
        if (module->baseName.text == NULL || module->base == NULL)
            continue;
        DWORD key = NAME_KEY_START;
        for (int i = 0; i < module->baseName.bytes / (int)sizeof(WCHAR); ++i)
            key = NameKeyStep(key, module->baseName.text[i]);
        if (key == fileNameKey)
            return module->base;
    }
    return NULL;
}

const IMAGE_NT_HEADERS* ImageHeaders(const BYTE* image)
{
    const IMAGE_DOS_HEADER* dos = (const IMAGE_DOS_HEADER*)image;
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return NULL;
    const IMAGE_NT_HEADERS* nt = (const IMAGE_NT_HEADERS*)(image + dos->e_lfanew);
    return nt->Signature == IMAGE_NT_SIGNATURE ? nt : NULL;
}

static FARPROC ExportFollowingForwards(LoaderData* loader, const BYTE* module, DWORD functionKey, int forwards)
{
    const IMAGE_NT_HEADERS* nt = ImageHeaders(module);
    if (nt == NULL)
        return NULL;
    const IMAGE_DATA_DIRECTORY* directory = &nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (directory->Size == 0)
        return NULL;
    const IMAGE_EXPORT_DIRECTORY* exports = (const IMAGE_EXPORT_DIRECTORY*)(module + directory->VirtualAddress);
    const DWORD* names = (const DWORD*)(module + exports->AddressOfNames);
    const WORD* ordinals = (const WORD*)(module + exports->AddressOfNameOrdinals);
    const DWORD* functions = (const DWORD*)(module + exports->AddressOfFunctions);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        if (NameKey((const char*)(module + names[i])) != functionKey)
            continue;
        if (ordinals[i] >= exports->NumberOfFunctions)
            return NULL;
        DWORD address = functions[ordinals[i]];
        if (address < directory->VirtualAddress || address >= directory->VirtualAddress + directory->Size)
            return (FARPROC)(void*)(module + address);
        // "MODULE.Function": the module's file name is MODULE.dll.
        const char* forward = (const char*)(module + address);
        DWORD moduleKey = NAME_KEY_START;
        int dot = 0;
        for (; forward[dot] != '\0' && forward[dot] != '.'; ++dot)
            moduleKey = NameKeyStep(moduleKey, (BYTE)forward[dot]);
        if (forwards >= FORWARDS_AT_MOST || forward[dot] != '.' || forward[dot + 1] == '#')
            return NULL;
        for (DWORD extension = DLL_EXTENSION_CHARACTERS; extension != 0; extension >>= 8)
            moduleKey = NameKeyStep(moduleKey, extension & 0xFF);
        const BYTE* target = LoadedModuleWithKey(loader, moduleKey);
        return target != NULL
                   ? ExportFollowingForwards(loader, target, NameKey(forward + dot + 1), forwards + 1)
                   : NULL;
    }
    return NULL;
}

FARPROC ExportWithKey(LoaderData* loader, const BYTE* module, DWORD functionKey)
{
    return ExportFollowingForwards(loader, module, functionKey, 0);
}
