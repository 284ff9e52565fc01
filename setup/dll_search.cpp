#include "setup/dll_search.h"
#include "platform/globals.h"
#include "platform/optional_functions.h"
#include "platform/system_library.h"
#include "platform/system_facts.h"

// System libraries that a copy planted beside setup is known to replace,
// because the system or the common controls load them by name; the common
// controls' own dependencies among them.
static const char* const PlantableLibraries[] = {
    "version.dll", "uxtheme.dll", "userenv.dll", "setupapi.dll", "apphelp.dll", "propsys.dll",
    "dwmapi.dll",  "cryptbase.dll", "oleacc.dll", "clbcatq.dll", "ntmarta.dll",
};

// Where the search cannot be kept to the system folder, the libraries that
// would be looked for in setup's folder first are loaded from the system
// folder by full path while nothing has asked for them yet; a later load by
// name finds the one already loaded. Their own dependencies are looked for
// from the system folder too: loaded by full path alone, a library's
// imports are searched for by name, setup's folder first. A library this
// system lacks is no loss.
static void PreloadPlantableLibraries()
{
    for (const char* library : PlantableLibraries) {
        char path[MAX_PATH];
        if (SystemFilePath(library, path, sizeof path))
            (void)LoadLibraryExA(path, NULL, LOAD_WITH_ALTERED_SEARCH_PATH);  // kept to the end of the process
    }
}

// Windows Vista with the update that brings SetDefaultDllDirectories cannot
// create the shell's objects in a process that called it: the report page
// and the elevated start of the partners go through them.
static bool IsWindowsVista()
{
    const WindowsFacts* windows = KnownWindows();
    return windows->known && windows->platform == VER_PLATFORM_WIN32_NT && windows->major == 6 && windows->minor == 0;
}

// Setup usually starts from a download folder that may hold anything: no
// DLL may be loaded from there by name, only the partner's DLL by its full
// path, with the libraries it brings.
void RestrictDllSearchToSystemFolder()
{
    SetDefaultDllDirectoriesFunction setDefault =
        IsWindowsVista() ? NULL : OptionalFunctionOf<SetDefaultDllDirectoriesFunction>(SET_DEFAULT_DLL_DIRECTORIES);
    if (setDefault != NULL && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        DllSearchRestricted = 1;
        return;
    }
    // The current folder leaves the search; setup's own folder stays first.
    SetDllDirectoryFunction setDirectory = OptionalFunctionOf<SetDllDirectoryFunction>(SET_DLL_DIRECTORY);
    if (setDirectory != NULL)
        (void)setDirectory("");  // nothing more can be done where it fails
    PreloadPlantableLibraries();
}
