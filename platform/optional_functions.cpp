#include "platform/optional_functions.h"
#include "text/system_facts.h"
#include "text/text.h"

enum SystemLibrary { KERNEL_LIBRARY, COMMON_CONTROLS_LIBRARY, SHELL_LIBRARY, VERSION_LIBRARY, LIBRARY_COUNT };

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
};

static HMODULE Libraries[LIBRARY_COUNT];
static bool LibraryTried[LIBRARY_COUNT];

static HMODULE LibraryOf(SystemLibrary library)
{
    if (!LibraryTried[library]) {
        LibraryTried[library] = true;
        switch (library) {
        case KERNEL_LIBRARY:
            Libraries[library] = KernelLibrary();
            break;
        case COMMON_CONTROLS_LIBRARY:
            // By name: the manifest's side-by-side copy is found that way.
            Libraries[library] = LoadLibraryA("comctl32.dll");
            break;
        case SHELL_LIBRARY:
            Libraries[library] = LoadSystemLibrary("shell32.dll");
            break;
        default:
            Libraries[library] = LoadSystemLibrary("version.dll");
            break;
        }
    }
    return Libraries[library];
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
