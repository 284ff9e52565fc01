// What the built programs take from other modules. Setup usually starts
// from a download folder, so every DLL it imports must be one the loader
// never takes from the program's own folder: the system's known DLLs. The
// common controls are loaded at run time, once the DLL search is restricted.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <set>
#include <string>
#include <vector>
#include "test_paths.h"

static std::vector<BYTE> ReadWholeFile(const char* path)
{
    std::vector<BYTE> bytes;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(GetFileSize(file, NULL));
    DWORD read = 0;
    ReadFile(file, bytes.data(), (DWORD)bytes.size(), &read, NULL);
    CloseHandle(file);
    return bytes;
}

// Names of the DLLs in a PE file's import table, lower case.
static std::set<std::string> ImportedDlls(const char* path)
{
    std::set<std::string> names;
    std::vector<BYTE> image = ReadWholeFile(path);
    if (image.size() < 1024)
        return names;
    const IMAGE_DOS_HEADER* dos = (const IMAGE_DOS_HEADER*)image.data();
    const IMAGE_NT_HEADERS32* nt32 = (const IMAGE_NT_HEADERS32*)(image.data() + dos->e_lfanew);
    const IMAGE_FILE_HEADER& fileHeader = nt32->FileHeader;
    DWORD importRva;
    if (nt32->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC)
        importRva = ((const IMAGE_NT_HEADERS64*)nt32)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT]
                        .VirtualAddress;
    else
        importRva = nt32->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    const IMAGE_SECTION_HEADER* sections =
        (const IMAGE_SECTION_HEADER*)((const BYTE*)&nt32->OptionalHeader + fileHeader.SizeOfOptionalHeader);
    auto offsetOf = [&](DWORD rva) -> size_t {
        for (int i = 0; i < fileHeader.NumberOfSections; ++i)
            if (rva >= sections[i].VirtualAddress && rva < sections[i].VirtualAddress + sections[i].SizeOfRawData)
                return rva - sections[i].VirtualAddress + sections[i].PointerToRawData;
        return 0;
    };
    if (importRva == 0)
        return names;
    for (const IMAGE_IMPORT_DESCRIPTOR* entry = (const IMAGE_IMPORT_DESCRIPTOR*)(image.data() + offsetOf(importRva));
         entry->Name != 0; ++entry) {
        std::string name = (const char*)image.data() + offsetOf(entry->Name);
        std::transform(name.begin(), name.end(), name.begin(), ::tolower);
        names.insert(name);
    }
    return names;
}

static const std::set<std::string> AllowedImports = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "msvcrt.dll",
};

TEST(Imports, OnlySystemLibrariesTheLoaderNeverTakesFromTheProgramFolder)
{
    for (const char* program : {TEST_SETUP_PROGRAM_32, TEST_SETUP_PROGRAM_64}) {
        std::set<std::string> imports = ImportedDlls(program);
        ASSERT_FALSE(imports.empty()) << program;
        EXPECT_TRUE(imports.count("kernel32.dll")) << program;
        for (const std::string& name : imports)
            EXPECT_TRUE(AllowedImports.count(name)) << program << " imports " << name;
        EXPECT_FALSE(imports.count("version.dll")) << program;
        EXPECT_FALSE(imports.count("comctl32.dll")) << program;
    }
}
