#include "ffcompat/own_imports.h"
#include <windows.h>

// The linker's name for the start of this module's image.
extern "C" BYTE __ImageBase[];

// The few fields of the NT loader's records that lead to kernel32, laid out
// as the loader lays them out on either processor.
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

static LoaderData* NtLoaderData()
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

static WCHAR LowerAscii(WCHAR c)
{
    return c >= 'A' && c <= 'Z' ? (WCHAR)(c + ('a' - 'A')) : c;
}

// The loaded module whose file name, without its folder, is the first
// `chars` characters of `name` followed by ".dll" (case ignored).
static BYTE* LoadedModule(LoaderData* loader, const char* name, int chars)
{
    static const char extension[] = ".dll";
    LoaderLink* head = &loader->inMemoryOrder;
    LoaderLink* link = head->next;
    for (int seen = 0; link != NULL && link != head && seen < MODULES_AT_MOST; ++seen, link = link->next) {
        const LoadedModuleRecord* module = (const LoadedModuleRecord*)link;
        int length = module->baseName.bytes / (int)sizeof(WCHAR);
        if (module->baseName.text == NULL || module->base == NULL || length != chars + 4)
            continue;
        int i = 0;
        while (i < length) {
            WCHAR wanted = (WCHAR)(BYTE)(i < chars ? name[i] : extension[i - chars]);
            if (LowerAscii(module->baseName.text[i]) != LowerAscii(wanted))
                break;
            ++i;
        }
        if (i == length)
            return module->base;
    }
    return NULL;
}

static bool SameText(const char* a, const char* b)
{
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

static const IMAGE_NT_HEADERS* Headers(const BYTE* image)
{
    const IMAGE_DOS_HEADER* dos = (const IMAGE_DOS_HEADER*)image;
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return NULL;
    const IMAGE_NT_HEADERS* nt = (const IMAGE_NT_HEADERS*)(image + dos->e_lfanew);
    return nt->Signature == IMAGE_NT_SIGNATURE ? nt : NULL;
}

// A function exported by name from a loaded module, read from its export
// directory. A forwarded export ("KERNELBASE.LoadLibraryA") is followed
// into the module it names where that one is loaded too.
static FARPROC ExportedFunction(LoaderData* loader, const BYTE* module, const char* name, int forwards)
{
    const IMAGE_NT_HEADERS* nt = Headers(module);
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
        if (!SameText((const char*)(module + names[i]), name))
            continue;
        if (ordinals[i] >= exports->NumberOfFunctions)
            return NULL;
        DWORD address = functions[ordinals[i]];
        if (address < directory->VirtualAddress || address >= directory->VirtualAddress + directory->Size)
            return (FARPROC)(void*)(module + address);
        const char* forward = (const char*)(module + address);
        int dot = 0;
        while (forward[dot] != '\0' && forward[dot] != '.')
            ++dot;
        if (forwards >= FORWARDS_AT_MOST || forward[dot] != '.' || forward[dot + 1] == '#')
            return NULL;
        const BYTE* target = LoadedModule(loader, forward, dot);
        return target != NULL ? ExportedFunction(loader, target, forward + dot + 1, forwards + 1) : NULL;
    }
    return NULL;
}

typedef HMODULE(WINAPI* LoadLibraryFunction)(LPCSTR);
typedef FARPROC(WINAPI* GetProcAddressFunction)(HMODULE, LPCSTR);
typedef BOOL(WINAPI* VirtualProtectFunction)(LPVOID, SIZE_T, DWORD, PDWORD);

struct Binder {
    LoadLibraryFunction loadLibrary;
    GetProcAddressFunction getProcAddress;
    VirtualProtectFunction virtualProtect;
};

static bool IsUnbound(const BYTE* image, const IMAGE_IMPORT_DESCRIPTOR* import)
{
    if (import->OriginalFirstThunk == 0 || import->FirstThunk == 0)
        return false;  // no names kept beside the table: nothing to tell by
    const IMAGE_THUNK_DATA* slot = (const IMAGE_THUNK_DATA*)(image + import->FirstThunk);
    const IMAGE_THUNK_DATA* lookup = (const IMAGE_THUNK_DATA*)(image + import->OriginalFirstThunk);
    return slot->u1.Function == lookup->u1.AddressOfData;
}

// Fills the table of one imported DLL, all but its first slot when
// `keepFirst` is set, whose function goes to *first instead.
static bool BindLibrary(const Binder* binder, BYTE* image, const IMAGE_IMPORT_DESCRIPTOR* import, bool keepFirst,
                        ULONG_PTR* first)
{
    HMODULE library = binder->loadLibrary((const char*)(image + import->Name));
    if (library == NULL)
        return false;
    const IMAGE_THUNK_DATA* lookup = (const IMAGE_THUNK_DATA*)(image + import->OriginalFirstThunk);
    IMAGE_THUNK_DATA* slots = (IMAGE_THUNK_DATA*)(image + import->FirstThunk);
    SIZE_T count = 0;
    while (lookup[count].u1.AddressOfData != 0)
        ++count;
    DWORD protection;
    if (count == 0 || !binder->virtualProtect(slots, count * sizeof *slots, PAGE_READWRITE, &protection))
        return count == 0;
    bool bound = true;
    for (SIZE_T i = 0; i < count && bound; ++i) {
        ULONG_PTR name = lookup[i].u1.AddressOfData;
        LPCSTR wanted = IMAGE_SNAP_BY_ORDINAL(lookup[i].u1.Ordinal)
                            ? MAKEINTRESOURCEA(IMAGE_ORDINAL(lookup[i].u1.Ordinal))
                            : (LPCSTR)((const IMAGE_IMPORT_BY_NAME*)(image + name))->Name;
        FARPROC function = binder->getProcAddress(library, wanted);
        bound = function != NULL;
        if (keepFirst && i == 0)
            *first = (ULONG_PTR)function;
        else if (bound)
            slots[i].u1.Function = (ULONG_PTR)function;
    }
    (void)binder->virtualProtect(slots, count * sizeof *slots, protection, &protection);
    return bound;
}

// The first slot of the first DLL tells bound from unbound, so it is
// written last, once every other slot holds its function: a call that
// finds a table half filled (a function missing) tries again and answers
// the same.
static bool BindAll(const Binder* binder, BYTE* image, const IMAGE_IMPORT_DESCRIPTOR* imports)
{
    ULONG_PTR first = 0;
    for (const IMAGE_IMPORT_DESCRIPTOR* import = imports; import->Name != 0; ++import) {
        if (import->OriginalFirstThunk == 0 || !BindLibrary(binder, image, import, import == imports, &first))
            return false;
    }
    IMAGE_THUNK_DATA* marker = (IMAGE_THUNK_DATA*)(image + imports->FirstThunk);
    DWORD protection;
    if (!binder->virtualProtect(marker, sizeof *marker, PAGE_READWRITE, &protection))
        return false;
    marker->u1.Function = first;
    (void)binder->virtualProtect(marker, sizeof *marker, protection, &protection);
    return true;
}

// Two threads of a caller may make their first call at once: one binds,
// the other waits for it without a call of its own.
static volatile LONG Binding;

int BindOwnImportsWhereUnbound()
{
    BYTE* image = __ImageBase;
    const IMAGE_NT_HEADERS* nt = Headers(image);
    const IMAGE_DATA_DIRECTORY* directory = &nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory->Size == 0)
        return 1;
    const IMAGE_IMPORT_DESCRIPTOR* imports = (const IMAGE_IMPORT_DESCRIPTOR*)(image + directory->VirtualAddress);
    if (!IsUnbound(image, imports))
        return 1;
    LoaderData* loader = NtLoaderData();
    if (loader == NULL)
        return 0;
    BYTE* kernel = LoadedModule(loader, "kernel32", 8);
    if (kernel == NULL)
        return 0;
    Binder binder;
    binder.loadLibrary = (LoadLibraryFunction)(void*)ExportedFunction(loader, kernel, "LoadLibraryA", 0);
    binder.getProcAddress = (GetProcAddressFunction)(void*)ExportedFunction(loader, kernel, "GetProcAddress", 0);
    if (binder.loadLibrary == NULL || binder.getProcAddress == NULL)
        return 0;
    binder.virtualProtect = (VirtualProtectFunction)(void*)binder.getProcAddress((HMODULE)kernel, "VirtualProtect");
    if (binder.virtualProtect == NULL)
        return 0;

    while (__sync_lock_test_and_set(&Binding, 1) != 0)
        __builtin_ia32_pause();
    bool bound = !IsUnbound(image, imports) || BindAll(&binder, image, imports);
    __sync_lock_release(&Binding);
    return bound ? 1 : 0;
}
