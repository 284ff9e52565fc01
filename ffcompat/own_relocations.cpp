#include "ffcompat/own_relocations.h"
#include "ffcompat/loaded_modules.h"

// Pages of the image that relocations may touch; setup's image is far
// smaller than these 2 MiB.
#define IMAGE_PAGE_BYTES 4096u
#define IMAGE_PAGES_AT_MOST 512u

#if defined(__x86_64__)
#define RELOCATION_TYPE IMAGE_REL_BASED_DIR64
typedef ULONGLONG RelocatedWord;
#else
#define RELOCATION_TYPE IMAGE_REL_BASED_HIGHLOW
typedef DWORD RelocatedWord;
#endif

typedef BOOL(WINAPI* VirtualProtectFunction)(LPVOID, SIZE_T, DWORD, PDWORD);
typedef BOOL(WINAPI* FlushInstructionCacheFunction)(HANDLE, LPCVOID, SIZE_T);

BYTE* RunningImageBase()
{
    BYTE* base;
#if defined(__x86_64__)
    __asm__("leaq __ImageBase(%%rip), %0" : "=r"(base));
#else
    // The address of a label, less the label's offset in the image, which
    // the linker writes beside it.
    __asm__("call 1f\n"
            "1:\tpopl %0\n\t"
            "subl 2f-1b(%0), %0\n\t"
            "jmp 3f\n"
            "2:\t.rva 1b\n"
            "3:"
            : "=r"(base));
#endif
    return base;
}

// The base the code's absolute addresses are made for: the linked base
// until the image is relocated, then where it lies. The instruction's
// operand is itself one of the image's relocations.
static ULONG_PTR AddressedImageBase()
{
    ULONG_PTR base;
#if defined(__x86_64__)
    __asm__("movabsq $__ImageBase, %0" : "=r"(base));
#else
    __asm__("movl $___ImageBase, %0" : "=r"(base));
#endif
    return base;
}

struct RelocationBlocks {
    BYTE* first;
    BYTE* end;
};

// The image's relocations, each block checked to lie in the image, to
// start on a page and to hold only entries this processor has, whose
// targets lie in the image. The pages they touch are marked.
static bool ReadRelocations(BYTE* base, const IMAGE_NT_HEADERS* nt, RelocationBlocks* blocks, bool* touched)
{
    DWORD imageBytes = nt->OptionalHeader.SizeOfImage;
    if (imageBytes > IMAGE_PAGES_AT_MOST * IMAGE_PAGE_BYTES)
        return false;
    const IMAGE_DATA_DIRECTORY* directory = &nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC];
    if (directory->Size == 0 || directory->VirtualAddress > imageBytes ||
        directory->Size > imageBytes - directory->VirtualAddress)
        return false;
    blocks->first = base + directory->VirtualAddress;
    blocks->end = blocks->first + directory->Size;
    for (BYTE* block = blocks->first; block < blocks->end;) {
        const IMAGE_BASE_RELOCATION* header = (const IMAGE_BASE_RELOCATION*)block;
        if ((DWORD)(blocks->end - block) < sizeof *header || header->SizeOfBlock < sizeof *header ||
            header->SizeOfBlock > (DWORD)(blocks->end - block) || header->VirtualAddress % IMAGE_PAGE_BYTES != 0)
            return false;
        const WORD* entries = (const WORD*)(header + 1);
        DWORD count = (header->SizeOfBlock - sizeof *header) / sizeof(WORD);
        for (DWORD i = 0; i < count; ++i) {
            int type = entries[i] >> 12;
            if (type == IMAGE_REL_BASED_ABSOLUTE)
                continue;
            DWORD target = header->VirtualAddress + (entries[i] & 0xFFF);
            if (type != RELOCATION_TYPE || target > imageBytes - sizeof(RelocatedWord))
                return false;
            touched[target / IMAGE_PAGE_BYTES] = true;
            touched[(target + sizeof(RelocatedWord) - 1) / IMAGE_PAGE_BYTES] = true;
        }
        block += header->SizeOfBlock;
    }
    return true;
}

static void ApplyRelocations(BYTE* base, const RelocationBlocks* blocks, ULONG_PTR delta)
{
    for (BYTE* block = blocks->first; block < blocks->end;) {
        const IMAGE_BASE_RELOCATION* header = (const IMAGE_BASE_RELOCATION*)block;
        const WORD* entries = (const WORD*)(header + 1);
        DWORD count = (header->SizeOfBlock - sizeof *header) / sizeof(WORD);
        for (DWORD i = 0; i < count; ++i) {
            if (entries[i] >> 12 == IMAGE_REL_BASED_ABSOLUTE)
                continue;
            RelocatedWord* target = (RelocatedWord*)(base + header->VirtualAddress + (entries[i] & 0xFFF));
            *target = (RelocatedWord)(*target + delta);
        }
        block += header->SizeOfBlock;
    }
}

static void ReprotectPages(VirtualProtectFunction protect, BYTE* base, const bool* touched, DWORD pages, DWORD* kept)
{
    for (DWORD page = 0; page < pages; ++page) {
        if (touched[page])
            (void)protect(base + page * IMAGE_PAGE_BYTES, IMAGE_PAGE_BYTES, kept[page], &kept[page]);
    }
}

// Makes every marked page writable, keeping its protection; when one
// refuses, those already changed get theirs back and nothing is written.
static bool UnprotectPages(VirtualProtectFunction protect, BYTE* base, const bool* touched, DWORD pages, DWORD* kept)
{
    for (DWORD page = 0; page < pages; ++page) {
        if (touched[page] &&
            !protect(base + page * IMAGE_PAGE_BYTES, IMAGE_PAGE_BYTES, PAGE_EXECUTE_READWRITE, &kept[page])) {
            ReprotectPages(protect, base, touched, page, kept);
            return false;
        }
    }
    return true;
}

int RelocateOwnImageWhereDisplaced()
{
    BYTE* base = RunningImageBase();
    ULONG_PTR addressed = AddressedImageBase();
    if ((ULONG_PTR)base == addressed)
        return 1;
    const IMAGE_NT_HEADERS* nt = ImageHeaders(base);
    if (nt == NULL)
        return 0;
    bool touched[IMAGE_PAGES_AT_MOST];
    for (DWORD page = 0; page < IMAGE_PAGES_AT_MOST; ++page)
        touched[page] = false;
    RelocationBlocks blocks;
    if (!ReadRelocations(base, nt, &blocks, touched))
        return 0;

    // kernel32 has VirtualProtect on every NT; where it forwards it into a
    // library that is not in the loader's list, kernelbase has it.
    LoaderData* loader = NtLoaderData();
    if (loader == NULL)
        return 0;
    BYTE* kernel = LoadedModuleWithKey(loader, NAME_KEY("kernel32.dll"));
    BYTE* kernelBase = LoadedModuleWithKey(loader, NAME_KEY("kernelbase.dll"));
    VirtualProtectFunction protect = NULL;
    FlushInstructionCacheFunction flush = NULL;
    if (kernel != NULL) {
        protect = (VirtualProtectFunction)(void*)ExportWithKey(loader, kernel, NAME_KEY("VirtualProtect"));
        flush = (FlushInstructionCacheFunction)(void*)ExportWithKey(loader, kernel, NAME_KEY("FlushInstructionCache"));
    }
    if (protect == NULL && kernelBase != NULL)
        protect = (VirtualProtectFunction)(void*)ExportWithKey(loader, kernelBase, NAME_KEY("VirtualProtect"));
    if (flush == NULL && kernelBase != NULL)
        flush = (FlushInstructionCacheFunction)(void*)ExportWithKey(loader, kernelBase, NAME_KEY("FlushInstructionCache"));
    if (protect == NULL)
        return 0;

    DWORD pages = (nt->OptionalHeader.SizeOfImage + IMAGE_PAGE_BYTES - 1) / IMAGE_PAGE_BYTES;
    DWORD kept[IMAGE_PAGES_AT_MOST];
    if (!UnprotectPages(protect, base, touched, pages, kept))
        return 0;
    ApplyRelocations(base, &blocks, (ULONG_PTR)base - addressed);
    ReprotectPages(protect, base, touched, pages, kept);
    // The code itself was changed under the processor's feet.
    if (flush != NULL)
        (void)flush((HANDLE)(LONG_PTR)-1, base, nt->OptionalHeader.SizeOfImage);
    return 1;
}
