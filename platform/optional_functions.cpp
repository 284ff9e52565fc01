#include "platform/optional_functions.h"
#include "platform/system_facts.h"
#include "platform/system_library.h"

enum SystemLibrary {
    KERNEL_LIBRARY,
    COMMON_CONTROLS_LIBRARY,
    SHELL_LIBRARY,
    VERSION_LIBRARY,
    SECURITY_LIBRARY,
    COM_LIBRARY,
    LIBRARY_COUNT
};

// By full path from the system folder, but for kernel32 (in every process)
// and the common controls (by name, so that the manifest's version is found).
static const char* const LibraryNames[LIBRARY_COUNT] = {
    NULL, "comctl32.dll", "shell32.dll", "version.dll", "advapi32.dll", "ole32.dll",
};

struct OptionalFunctionEntry {
    SystemLibrary library;
    const char* name;
};

static const OptionalFunctionEntry OptionalFunctions[OPTIONAL_FUNCTION_COUNT] = {
    {KERNEL_LIBRARY, "SetDefaultDllDirectories"},
    {KERNEL_LIBRARY, "SetDllDirectoryA"},
    {KERNEL_LIBRARY, "VerifyVersionInfoA"},
    {KERNEL_LIBRARY, "VerSetConditionMask"},
    {COMMON_CONTROLS_LIBRARY, "InitCommonControls"},
    {SHELL_LIBRARY, "ShellExecuteA"},
    {SHELL_LIBRARY, "ShellExecuteExA"},
    {SHELL_LIBRARY, "IsUserAnAdmin"},
    {SHELL_LIBRARY, "SHGetFolderPathA"},
    {VERSION_LIBRARY, "GetFileVersionInfoSizeA"},
    {VERSION_LIBRARY, "GetFileVersionInfoA"},
    {VERSION_LIBRARY, "VerQueryValueA"},
    {SECURITY_LIBRARY, "CheckTokenMembership"},
    {COM_LIBRARY, "CoInitializeEx"},
    {COM_LIBRARY, "CoUninitialize"},
    {KERNEL_LIBRARY, "GetModuleFileNameW"},
    {KERNEL_LIBRARY, "GetShortPathNameW"},
    {KERNEL_LIBRARY, "GetCommandLineW"},
    {KERNEL_LIBRARY, "CreateFileW"},
    {KERNEL_LIBRARY, "DeleteFileW"},
    {SHELL_LIBRARY, "SHGetFolderPathW"},
};

// The export may be called from two threads at once: a library's handle is
// stored before it is marked as tried, so a thread that finds the mark
// finds the handle. Two first calls may both load it; the second load only
// counts the same library once more.
static HMODULE Libraries[LIBRARY_COUNT];
static bool LibraryTried[LIBRARY_COUNT];

static HMODULE LibraryOf(SystemLibrary library)
{
    if (!__atomic_load_n(&LibraryTried[library], __ATOMIC_ACQUIRE)) {
        HMODULE loaded;
        if (library == KERNEL_LIBRARY)
            loaded = KernelLibrary();
        else if (library == COMMON_CONTROLS_LIBRARY)
            loaded = LoadLibraryA(LibraryNames[library]);
        else
            loaded = LoadSystemLibrary(LibraryNames[library]);
        __atomic_store_n(&Libraries[library], loaded, __ATOMIC_RELAXED);
        __atomic_store_n(&LibraryTried[library], true, __ATOMIC_RELEASE);
    }
    return __atomic_load_n(&Libraries[library], __ATOMIC_RELAXED);
}

FARPROC OptionalFunctionAddress(OptionalFunction function)
{
    if ((unsigned)function >= OPTIONAL_FUNCTION_COUNT)
        return NULL;
    const OptionalFunctionEntry& entry = OptionalFunctions[function];
    HMODULE library = LibraryOf(entry.library);
    // Asked every time, so that a test that takes a function away takes it
    // away from then on.
    return library != NULL ? QueryProcAddress(library, entry.name) : NULL;
}
