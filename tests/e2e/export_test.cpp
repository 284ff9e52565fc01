// The exported Firefox toolbar check as another module sees it: the export
// tables of both builds, and the program of this build loaded with
// LoadLibraryA by a caller of the same architecture and called by name and
// by ordinal against the registry and the Firefox folder of this test's own
// Wine prefix. Both builds must give the same answers.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string>
#include <vector>
#include "firefox_profile.h"
#include "registry_sandbox.h"
#include "setup_run.h"
#include "pe_file.h"
#include "test_paths.h"

// What a PE file's headers say about its exports and relocations.
struct ExportTable {
    WORD machine = 0;
    std::string moduleName;
    DWORD ordinalBase = 0;
    DWORD functionCount = 0;
    std::vector<std::string> names;
    std::vector<WORD> nameOrdinals;
    bool hasRelocations = false;
};

static ExportTable ReadExportTable(const std::vector<unsigned char>& image)
{
    ExportTable table;
    PeFile pe(image);
    if (!pe.Valid())
        return table;
    table.machine = pe.Machine();
    auto at = [&](DWORD rva) { return pe.At(rva); };
    const IMAGE_DATA_DIRECTORY* directories = &pe.Directory(0);
    table.hasRelocations = directories[IMAGE_DIRECTORY_ENTRY_BASERELOC].Size != 0;
    const IMAGE_DATA_DIRECTORY& exportDirectory = directories[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (exportDirectory.Size == 0)
        return table;
    const IMAGE_EXPORT_DIRECTORY* exports = (const IMAGE_EXPORT_DIRECTORY*)at(exportDirectory.VirtualAddress);
    table.moduleName = (const char*)at(exports->Name);
    table.ordinalBase = exports->Base;
    table.functionCount = exports->NumberOfFunctions;
    const DWORD* namePointers = (const DWORD*)at(exports->AddressOfNames);
    const WORD* ordinals = (const WORD*)at(exports->AddressOfNameOrdinals);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        table.names.push_back((const char*)at(namePointers[i]));
        table.nameOrdinals.push_back(ordinals[i]);
    }
    return table;
}

static void ExpectOnlyTheCheckIsExported(const char* program, WORD machine)
{
    std::vector<unsigned char> image = ReadWholeFile(program);
    ASSERT_GT(image.size(), 1024u) << program;
    ExportTable table = ReadExportTable(image);
    EXPECT_EQ(machine, table.machine);
    EXPECT_EQ("SETUP.exe", table.moduleName);
    EXPECT_EQ(1u, table.ordinalBase);
    EXPECT_EQ(1u, table.functionCount);
    ASSERT_EQ(1u, table.names.size());
    EXPECT_EQ("FFTBCompatibilityCheck", table.names[0]);  // no stdcall "@4"
    EXPECT_EQ(0u, table.nameOrdinals[0]);  // ordinal base + 0 = ordinal 1
    EXPECT_TRUE(table.hasRelocations);
}

TEST(ExportTable, BothBuildsExportOnlyTheCheckByNameAsOrdinalOne)
{
    ExpectOnlyTheCheckIsExported(TEST_SETUP_PROGRAM_32, IMAGE_FILE_MACHINE_I386);
    ExpectOnlyTheCheckIsExported(TEST_SETUP_PROGRAM_64, IMAGE_FILE_MACHINE_AMD64);
}

typedef BOOL(WINAPI* CheckFunction)(DWORD*);

// Neither Windows nor Wine relocates an .EXE loaded as a module, nor binds
// its imports: the test does neither, as a partner's program on Windows
// does neither.

// How many of the module's imported DLLs still have the name of their first
// function where its address belongs, and how many there are.
static std::pair<int, int> UnboundImports(HMODULE module)
{
    BYTE* base = (BYTE*)module;
    IMAGE_NT_HEADERS* nt = (IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
    IMAGE_DATA_DIRECTORY directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::pair<int, int> counts(0, 0);
    for (IMAGE_IMPORT_DESCRIPTOR* import = (IMAGE_IMPORT_DESCRIPTOR*)(base + directory.VirtualAddress); import->Name != 0;
         ++import, ++counts.second) {
        IMAGE_THUNK_DATA* lookup = (IMAGE_THUNK_DATA*)(base + import->OriginalFirstThunk);
        IMAGE_THUNK_DATA* slot = (IMAGE_THUNK_DATA*)(base + import->FirstThunk);
        counts.first += slot->u1.Function == lookup->u1.AddressOfData;
    }
    return counts;
}

static void ExpectImportsUnbound(HMODULE module)
{
    std::pair<int, int> counts = UnboundImports(module);
    EXPECT_GT(counts.second, 3);
    EXPECT_EQ(counts.second, counts.first) << "imported DLLs whose table was filled: " << counts.second - counts.first;
}

// Where the process block keeps the NT loader's records: emptied, it stands
// for a Windows without them (95, 98 and Me) as far as the check can tell.
static void** LoaderDataField()
{
    BYTE* process;
#if defined(__x86_64__)
    __asm__("movq %%gs:0x60, %0" : "=r"(process));
    return (void**)(process + 0x18);
#else
    __asm__("movl %%fs:0x30, %0" : "=r"(process));
    return (void**)(process + 0x0C);
#endif
}

struct CheckAnswer {
    BOOL result;
    DWORD flags;
};

// A partner calls the check through a WINAPI pointer. On 32 bits that means
// the check takes its argument off the stack itself: were it compiled with
// another convention, the caller's stack pointer would be 4 bytes off after
// every call. The call is made by hand to see the stack pointer either side.
static BOOL CallAsAPartnerDoes(CheckFunction check, DWORD* flags)
{
#if defined(__i386__)
    BOOL result;
    int drift;
    __asm__ volatile(
        "movl %%esp, %%esi\n\t"
        "pushl %[flags]\n\t"
        "call *%[check]\n\t"
        "movl %%esp, %%edx\n\t"
        "subl %%esi, %%edx\n\t"
        "movl %%esi, %%esp\n\t"
        : "=a"(result), "=d"(drift)
        : [flags] "r"(flags), [check] "r"(check)
        : "ecx", "esi", "memory", "cc");
    EXPECT_EQ(0, drift) << "the stack pointer moved by " << drift << " bytes across the call";
    return result;
#else
    return check(flags);
#endif
}

class LoadedCheck : public testing::Test {
protected:
    void SetUp() override
    {
        CleanUp();
        Load(LoadLibraryA(SetupProgramPath()));
    }
    void Load(HMODULE module)
    {
        module_ = module;
        ASSERT_NE(nullptr, module_) << GetLastError();
        ASSERT_NE((HMODULE)GetModuleHandleA(NULL), module_);
        // The test program sits at the base SETUP.EXE prefers, so SETUP.EXE
        // lands elsewhere, unrelocated: the export must relocate itself.
        const IMAGE_NT_HEADERS* nt = (const IMAGE_NT_HEADERS*)((BYTE*)module_ + ((IMAGE_DOS_HEADER*)module_)->e_lfanew);
        ASSERT_EQ((ULONG_PTR)GetModuleHandleA(NULL), (ULONG_PTR)nt->OptionalHeader.ImageBase);
        ExpectImportsUnbound(module_);
        byName_ = (CheckFunction)(void*)GetProcAddress(module_, "FFTBCompatibilityCheck");
        byOrdinal_ = (CheckFunction)(void*)GetProcAddress(module_, MAKEINTRESOURCEA(1));
        ASSERT_NE(nullptr, byName_);
        ASSERT_EQ(byName_, byOrdinal_);
    }
    void TearDown() override
    {
        if (module_ != NULL)
            FreeLibrary(module_);
        CleanUp();
    }
    static void CleanUp()
    {
        DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Mozilla");
        DeleteTree(HKEY_CURRENT_USER, "Software\\Mozilla");
        DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Google");
        RemoveFirefoxFolder();
    }
    // Both ways in must give the same answer; the one by ordinal is returned.
    CheckAnswer Ask()
    {
        CheckAnswer named = {7, 0xdeadbeef}, numbered = {7, 0xdeadbeef};
        named.result = CallAsAPartnerDoes(byName_, &named.flags);
        numbered.result = CallAsAPartnerDoes(byOrdinal_, &numbered.flags);
        EXPECT_EQ(named.result, numbered.result);
        EXPECT_EQ(named.flags, numbered.flags);
        return numbered;
    }
    static void SetFirefoxVersion(const char* version, HKEY root = HKEY_LOCAL_MACHINE)
    {
        ASSERT_TRUE(SetText(root, "Software\\Mozilla\\Mozilla Firefox", "CurrentVersion", version));
    }
    static void InstallToolbarInDefaultProfile(const std::string& cache)
    {
        WriteProfilesIni("[General]\r\nStartWithLastProfile=1\r\n\r\n"
                         "[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=Profiles\\k3j2.default\r\nDefault=1\r\n");
        WriteExtensionsCache("Profiles\\k3j2.default", cache);
    }

    HMODULE module_ = NULL;
    CheckFunction byName_ = NULL;
    CheckFunction byOrdinal_ = NULL;
};

TEST_F(LoadedCheck, NoFirefoxAnywhereIsTheOnlySuccess)
{
    CheckAnswer answer = Ask();
    EXPECT_EQ(TRUE, answer.result);
    EXPECT_EQ(0u, answer.flags);
    // The check bound its imports at its first call.
    EXPECT_EQ(0, UnboundImports(module_).first);
    // A null flags address gives the same result and writes nothing.
    EXPECT_EQ(TRUE, CallAsAPartnerDoes(byName_, NULL));
    EXPECT_EQ(TRUE, CallAsAPartnerDoes(byOrdinal_, NULL));
}

// Loaded again, now explicitly as Windows loads any .EXE as a module.
TEST_F(LoadedCheck, LoadedWithoutResolvingReferencesItAnswersTheSame)
{
    ASSERT_TRUE(FreeLibrary(module_));
    module_ = NULL;
    Load(LoadLibraryExA(SetupProgramPath(), NULL, DONT_RESOLVE_DLL_REFERENCES));
    EXPECT_EQ(0u, Ask().flags);
    SetFirefoxVersion("1.5.0.12 (en-US)");
    CheckAnswer answer = Ask();
    EXPECT_EQ(FALSE, answer.result);
    EXPECT_EQ(0x21u, answer.flags);
}

struct RacingCall {
    CheckFunction check;
    HANDLE start;
    CheckAnswer answer;
};

static DWORD WINAPI CallWhenStarted(LPVOID context)
{
    RacingCall* call = (RacingCall*)context;
    WaitForSingleObject(call->start, INFINITE);
    call->answer.result = CallAsAPartnerDoes(call->check, &call->answer.flags);
    return 0;
}

// The first calls of several threads at once, into a module loaded afresh
// each round: the thread that relocates and binds it, those that wait for
// that, and those that load its libraries and look up its functions side by
// side (the administrator question, the profile folder) all answer as one
// thread alone does.
TEST_F(LoadedCheck, ThreadsCallingFirstAtOnceAnswerAsOneDoes)
{
    SetFirefoxVersion("3.5.7 (en-US)");
    InstallToolbarInDefaultProfile(TOOLBAR_EXTENSION_ID);
    const int threadCount = 4;
    for (int round = 0; round < 10; ++round) {
        if (round > 0) {
            ASSERT_TRUE(FreeLibrary(module_));
            module_ = NULL;
            Load(LoadLibraryA(SetupProgramPath()));
        }
        HANDLE start = CreateEventA(NULL, TRUE, FALSE, NULL);
        RacingCall calls[threadCount];
        HANDLE threads[threadCount];
        for (int i = 0; i < threadCount; ++i) {
            calls[i] = {i % 2 ? byOrdinal_ : byName_, start, {7, 0xdeadbeef}};
            threads[i] = CreateThread(NULL, 0, CallWhenStarted, &calls[i], 0, NULL);
        }
        Sleep(20);  // every thread waiting at the start line
        SetEvent(start);
        EXPECT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(threadCount, threads, TRUE, 60000));
        for (int i = 0; i < threadCount; ++i) {
            CloseHandle(threads[i]);
            EXPECT_EQ(FALSE, calls[i].answer.result) << "round " << round << ", thread " << i;
            EXPECT_EQ(0x03u, calls[i].answer.flags) << "round " << round << ", thread " << i;
        }
        CloseHandle(start);
    }
    EXPECT_EQ(0x03u, Ask().flags);
}

// Any system call would jump through the unbound table and end this test
// program: the answer comes without one.
TEST_F(LoadedCheck, WithoutTheNtLoaderRecordsItAnswersAsForAnOldWindows)
{
    SetFirefoxVersion("3.5.7 (en-US)");
    void** loaderData = LoaderDataField();
    void* kept = *loaderData;
    ASSERT_NE(nullptr, kept);
    DWORD flags = 0xdeadbeef;
    *loaderData = NULL;
    BOOL result = byName_(&flags);
    *loaderData = kept;
    EXPECT_EQ(FALSE, result);
    EXPECT_EQ(0x08u, flags);  // an unsupported Windows and nothing else
    ExpectImportsUnbound(module_);
    // With the records back, the same module binds and answers in full.
    EXPECT_EQ(0x01u, Ask().flags);
}

TEST_F(LoadedCheck, FirefoxVersionsSetTheVersionBits)
{
    struct {
        const char* version;
        DWORD flags;
    } cases[] = {
        {"3.5.7 (en-US)", 0x01}, {"1.5.0.12 (en-US)", 0x21}, {"1.0.8", 0x31},
        {"2.0", 0x01}, {"1.99", 0x21}, {"(en-US)", 0x31},  // no leading number reads as 0
    };
    for (const auto& c : cases) {
        SetFirefoxVersion(c.version);
        CheckAnswer answer = Ask();
        EXPECT_EQ(FALSE, answer.result) << c.version;
        EXPECT_EQ(c.flags, answer.flags) << c.version;
        EXPECT_EQ(FALSE, CallAsAPartnerDoes(byName_, NULL)) << c.version;
    }
}

TEST_F(LoadedCheck, FirefoxOfTheUserAloneIsFound)
{
    SetFirefoxVersion("3.0.1", HKEY_CURRENT_USER);
    CheckAnswer answer = Ask();
    EXPECT_EQ(FALSE, answer.result);
    EXPECT_EQ(0x01u, answer.flags);
    // The machine's version is read first.
    SetFirefoxVersion("1.0", HKEY_LOCAL_MACHINE);
    EXPECT_EQ(0x31u, Ask().flags);
}

TEST_F(LoadedCheck, ToolbarByRegistryIdCountsOnlyWithFirefox)
{
    ASSERT_TRUE(SetText(HKEY_LOCAL_MACHINE, "Software\\Google\\Toolbar for Firefox", "id", "gtb@google"));
    CheckAnswer answer = Ask();
    EXPECT_EQ(TRUE, answer.result);
    EXPECT_EQ(0u, answer.flags);

    SetFirefoxVersion("3.5.7 (en-US)");
    EXPECT_EQ(0x03u, Ask().flags);
}

TEST_F(LoadedCheck, AnEmptyRegistryIdLeavesTheDecisionToTheProfile)
{
    SetFirefoxVersion("3.5.7 (en-US)");
    ASSERT_TRUE(SetText(HKEY_LOCAL_MACHINE, "Software\\Google\\Toolbar for Firefox", "id", ""));
    EXPECT_EQ(0x01u, Ask().flags);
    InstallToolbarInDefaultProfile("<extensions>" TOOLBAR_EXTENSION_ID "</extensions>");
    EXPECT_EQ(0x03u, Ask().flags);
}

TEST_F(LoadedCheck, ToolbarByCacheFileNeedsTheExactIdBeforeAnyNul)
{
    SetFirefoxVersion("3.5.7 (en-US)");
    InstallToolbarInDefaultProfile("app-profile\t" TOOLBAR_EXTENSION_ID "\trel%3Aextensions\r\n");
    EXPECT_EQ(0x03u, Ask().flags);

    InstallToolbarInDefaultProfile("app-profile\t{3112CA9C-DE6D-4884-A869-9855DE68056C}\r\n");
    EXPECT_EQ(0x01u, Ask().flags);

    InstallToolbarInDefaultProfile(std::string("app-profile\t", 12) + std::string(1, '\0') + TOOLBAR_EXTENSION_ID);
    EXPECT_EQ(0x01u, Ask().flags);
}

TEST_F(LoadedCheck, CachesFromOneByteBelowQuarterMegabyteOnAreNotRead)
{
    SetFirefoxVersion("3.5.7 (en-US)");
    InstallToolbarInDefaultProfile(CacheEndingWithId(262143));
    EXPECT_EQ(0x03u, Ask().flags);
    InstallToolbarInDefaultProfile(CacheEndingWithId(262144));
    EXPECT_EQ(0x01u, Ask().flags);
    InstallToolbarInDefaultProfile("");
    EXPECT_EQ(0x01u, Ask().flags);
}

TEST_F(LoadedCheck, OnlyTheFirstTwentyProfileSectionsCanBeTheDefault)
{
    SetFirefoxVersion("3.5.7 (en-US)");
    WriteExtensionsCache("Profiles\\first", "nothing here");
    WriteExtensionsCache("Profiles\\chosen", TOOLBAR_EXTENSION_ID);
    WriteProfilesIni("[Profile0]\r\nPath=Profiles\\first\r\n[Profile20]\r\nPath=Profiles\\chosen\r\nDefault=1\r\n");
    EXPECT_EQ(0x01u, Ask().flags);

    WriteProfilesIni("[Profile0]\r\nPath=Profiles\\first\r\n[Profile19]\r\nPath=Profiles\\chosen\r\nDefault=1\r\n");
    EXPECT_EQ(0x03u, Ask().flags);

    // Without any default, Profile0 is taken.
    WriteProfilesIni("[Profile0]\r\nPath=Profiles\\chosen\r\n[Profile1]\r\nPath=Profiles\\first\r\n");
    EXPECT_EQ(0x03u, Ask().flags);
}

TEST_F(LoadedCheck, ForwardSlashesInThePathStayAndStillReachTheProfile)
{
    SetFirefoxVersion("3.5.7 (en-US)");
    WriteExtensionsCache("Profiles\\abcd.default", TOOLBAR_EXTENSION_ID);
    WriteProfilesIni("[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=Profiles/abcd.default\r\nDefault=1\r\n");
    EXPECT_EQ(0x03u, Ask().flags);
}

// An application-data folder whose name the ANSI code page cannot hold.
TEST_F(LoadedCheck, AProfileBelowAFolderTheCodePageLacksIsScanned)
{
    std::string kept = FirefoxFolder();
    kept.resize(kept.size() - strlen("\\Mozilla\\Firefox"));
    UseAppDataFolder("C:\\users\\Łukasz\\AppData\\Roaming");
    SetFirefoxVersion("3.5.7 (en-US)");
    InstallToolbarInDefaultProfile(TOOLBAR_EXTENSION_ID);
    EXPECT_EQ(0x03u, Ask().flags);
    RemoveFirefoxFolder();
    UseAppDataFolder(kept);
}

// Run only as a child of the test below, under an older Windows version.
TEST_F(LoadedCheck, DISABLED_ReportsAnOldWindowsWithoutAskingMore)
{
    SetFirefoxVersion("3.5.7 (en-US)");
    CheckAnswer answer = Ask();
    EXPECT_EQ(FALSE, answer.result);
    const char* expected = getenv("EXPECTED_FLAGS");
    ASSERT_NE(nullptr, expected);
    EXPECT_EQ(strtoul(expected, NULL, 16), answer.flags);
}

static DWORD RunSelfAs(const char* windowsVersion, const char* expectedFlags)
{
    char self[MAX_PATH];
    GetModuleFileNameA(NULL, self, sizeof self);
    std::string copy = std::string("C:\\windows\\temp\\loaded_") + windowsVersion + ".exe";
    if (!CopyFileA(self, copy.c_str(), FALSE))
        return 0xdead;
    std::string key = std::string("Software\\Wine\\AppDefaults\\loaded_") + windowsVersion + ".exe";
    SetText(HKEY_CURRENT_USER, key.c_str(), "Version", windowsVersion);
    SetEnvironmentVariableA("EXPECTED_FLAGS", expectedFlags);
    std::string command = "\"" + copy + "\" --gtest_also_run_disabled_tests --gtest_filter=LoadedCheck.DISABLED_*";
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process;
    if (!CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
        return 0xdead;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0xdead;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST(LoadedCheckOnOldWindows, NT4AndWindows98AreRefusedAndWindows2000SP4Passes)
{
    // The administrator question is not asked on an old version: 0x08
    // stands alone beside the Firefox bits.
    EXPECT_EQ(0u, RunSelfAs("nt40", "09"));
    EXPECT_EQ(0u, RunSelfAs("win98", "09"));
    EXPECT_EQ(0u, RunSelfAs("win2k", "01"));  // Wine's Windows 2000 has Service Pack 4
}
