#include "setup/sequence.h"
#include "text/globals.h"
#include "text/system_facts.h"

typedef BOOL(WINAPI* SetDefaultDllDirectoriesFunction)(DWORD);
typedef BOOL(WINAPI* SetDllDirectoryFunction)(LPCSTR);

// Setup usually starts from a download folder that may hold anything: no
// DLL may be loaded from there by name, only the partner's DLL by its full
// path, with the libraries it brings. Both functions are looked up because
// older systems lack them.
static void RestrictDllSearchToSystemFolder()
{
    HMODULE kernel = KernelLibrary();
    SetDefaultDllDirectoriesFunction setDefault =
        (SetDefaultDllDirectoriesFunction)(void*)GetProcAddress(kernel, "SetDefaultDllDirectories");
    if (setDefault != NULL && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        DllSearchRestricted = 1;
        return;
    }
    SetDllDirectoryFunction setDirectory = (SetDllDirectoryFunction)(void*)GetProcAddress(kernel, "SetDllDirectoryA");
    if (setDirectory != NULL)
        (void)setDirectory("");  // nothing more can be done where it fails
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showState)
{
    (void)previous;
    (void)commandLine;
    (void)showState;
    RestrictDllSearchToSystemFolder();
    return RunSetup(instance);
}
