#include "ffcompat/own_imports.h"
#include "ffcompat/loaded_modules.h"

// The linker's name for the start of this module's image.
extern "C" BYTE __ImageBase[];

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

int BindOwnImportsWhereUnbound()
{
    BYTE* image = __ImageBase;
    const IMAGE_NT_HEADERS* nt = ImageHeaders(image);
    const IMAGE_DATA_DIRECTORY* directory = &nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory->Size == 0)
        return 1;
    const IMAGE_IMPORT_DESCRIPTOR* imports = (const IMAGE_IMPORT_DESCRIPTOR*)(image + directory->VirtualAddress);
    if (!IsUnbound(image, imports))
        return 1;
    LoaderData* loader = NtLoaderData();
    if (loader == NULL)
        return 0;
    BYTE* kernel = LoadedModuleWithKey(loader, NAME_KEY("kernel32.dll"));
    if (kernel == NULL)
        return 0;
    Binder binder;
    binder.loadLibrary = (LoadLibraryFunction)(void*)ExportWithKey(loader, kernel, NAME_KEY("LoadLibraryA"));
    binder.getProcAddress = (GetProcAddressFunction)(void*)ExportWithKey(loader, kernel, NAME_KEY("GetProcAddress"));
    if (binder.loadLibrary == NULL || binder.getProcAddress == NULL)
        return 0;
    binder.virtualProtect = (VirtualProtectFunction)(void*)binder.getProcAddress((HMODULE)kernel, "VirtualProtect");
    if (binder.virtualProtect == NULL)
        return 0;
    return BindAll(&binder, image, imports) ? 1 : 0;
}
