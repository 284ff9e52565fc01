// What the built programs take from other modules. Setup usually starts
// from a download folder, so every DLL it imports must be one the loader
// never takes from the program's own folder: the system's known DLLs. The
// common controls are loaded at run time, once the DLL search is restricted.
// And the 32-bit build must start on every Windows it has an answer for,
// back to Windows 95 and NT 4.0: each function it imports must be there.
#include <gtest/gtest.h>
#include <windows.h>
#include <stdio.h>
#include <string.h>
#include <algorithm>
#include <set>
#include <string>
#include <vector>
#include "pe_file.h"
#include "test_paths.h"

// What a PE file imports: "dll!function", the DLL's name in lower case.
static std::set<std::string> ImportedFunctions(const char* path)
{
    std::set<std::string> names;
    std::vector<BYTE> image = ReadWholeFile(path);
    PeFile pe(image);
    if (image.size() < 1024 || !pe.Valid())
        return names;
    bool is64 = pe.Is64();
    DWORD importRva = pe.Directory(IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress;
    if (importRva == 0)
        return names;
    for (const IMAGE_IMPORT_DESCRIPTOR* entry = (const IMAGE_IMPORT_DESCRIPTOR*)pe.At(importRva); entry->Name != 0;
         ++entry) {
        std::string dll = (const char*)pe.At(entry->Name);
        std::transform(dll.begin(), dll.end(), dll.begin(), ::tolower);
        const BYTE* thunk = pe.At(entry->OriginalFirstThunk ? entry->OriginalFirstThunk : entry->FirstThunk);
        for (;; thunk += is64 ? 8 : 4) {
            ULONGLONG value = is64 ? *(const ULONGLONG*)thunk : *(const DWORD*)thunk;
            if (value == 0)
                break;
            bool byOrdinal = is64 ? (value & IMAGE_ORDINAL_FLAG64) != 0 : (value & IMAGE_ORDINAL_FLAG32) != 0;
            std::string function = byOrdinal ? "#" + std::to_string(value & 0xFFFF)
                                             : (const char*)((const IMAGE_IMPORT_BY_NAME*)pe.At((DWORD)value))->Name;
            names.insert(dll + "!" + function);
        }
    }
    return names;
}

static std::set<std::string> ImportedDlls(const char* path)
{
    std::set<std::string> dlls;
    for (const std::string& function : ImportedFunctions(path))
        dlls.insert(function.substr(0, function.find('!')));
    return dlls;
}

// Not shell32: nothing before the first window needs it, so it is loaded at
// its first use.
static const std::set<std::string> AllowedImports = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll",
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
        EXPECT_FALSE(imports.count("msvcrt.dll")) << program;  // Windows 95 ships none
    }
}

// The reviewed list in imported_functions.txt: "dll function builds".
static std::set<std::string> ReviewedFunctions(const char* build)
{
    std::set<std::string> functions;
    FILE* file = fopen(TEST_SOURCE_DIR "\\tests\\unit\\imported_functions.txt", "r");
    if (file == NULL)
        return functions;
    char line[256];
    while (fgets(line, sizeof line, file) != NULL) {
        char dll[64], function[64], builds[16];
        if (line[0] == '#' || sscanf(line, "%63s %63s %15s", dll, function, builds) != 3)
            continue;
        if (strcmp(builds, "both") == 0 || strcmp(builds, build) == 0)
            functions.insert(std::string(dll) + "!" + function);
    }
    fclose(file);
    return functions;
}

TEST(Imports, EveryFunctionIsOnTheReviewedListOfWhatWindows95AndNt4Export)
{
    struct {
        const char* program;
        const char* build;
    } builds[] = {{TEST_SETUP_PROGRAM_32, "win32"}, {TEST_SETUP_PROGRAM_64, "win64"}};
    for (const auto& b : builds) {
        std::set<std::string> reviewed = ReviewedFunctions(b.build);
        ASSERT_GT(reviewed.size(), 50u);
        std::set<std::string> imported = ImportedFunctions(b.program);
        ASSERT_FALSE(imported.empty()) << b.program;
        for (const std::string& function : imported)
            EXPECT_TRUE(reviewed.count(function)) << b.build << " imports " << function << ", which is not on the list";
    }
}
