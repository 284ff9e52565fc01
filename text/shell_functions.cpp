#include "text/shell_functions.h"
#include "text/system_facts.h"
#include "text/text.h"
#include "text/owned.h"
#include <shlobj.h>

typedef HINSTANCE(WINAPI* ShellExecuteFunction)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
typedef BOOL(WINAPI* ShellExecuteExFunction)(SHELLEXECUTEINFOA*);
typedef BOOL(WINAPI* IsUserAnAdminFunction)(void);
typedef HRESULT(WINAPI* GetFolderPathFunction)(HWND owner, int folder, HANDLE token, DWORD flags, LPSTR path);

// Loaded once, by its full path, and kept to the end of the process: the
// shell may go on working in threads of its own after a call has returned.
static HMODULE ShellModule;

static FARPROC ShellFunction(const char* name)
{
    if (ShellModule == NULL)
        ShellModule = LoadSystemLibrary("shell32.dll");
    return ShellModule != NULL ? QueryProcAddress(ShellModule, name) : NULL;
}

HINSTANCE ShellOpen(HWND owner, const char* verb, const char* file)
{
    ShellExecuteFunction execute = (ShellExecuteFunction)(void*)ShellFunction("ShellExecuteA");
    if (execute == NULL)
        return (HINSTANCE)SE_ERR_DLLNOTFOUND;
    return execute(owner, verb, file, NULL, NULL, SW_SHOWNORMAL);
}

BOOL ShellStart(SHELLEXECUTEINFOA* launch)
{
    ShellExecuteExFunction execute = (ShellExecuteExFunction)(void*)ShellFunction("ShellExecuteExA");
    return execute != NULL && execute(launch);
}

typedef HRESULT(WINAPI* ComInitializeFunction)(LPVOID, DWORD);
typedef void(WINAPI* ComUninitializeFunction)(void);

void ShellOpenBeforeExit(const char* verb, const char* file)
{
    // An address may be handed to a handler the shell reaches through COM or
    // DDE, which needs COM on this thread and, with the process about to
    // end, a call that returns only once the handler has the address.
    OwnedModule ole(LoadSystemLibrary("ole32.dll"));
    ComInitializeFunction initialize =
        ole.Holds() ? (ComInitializeFunction)(void*)QueryProcAddress(ole, "CoInitializeEx") : NULL;
    ComUninitializeFunction uninitialize =
        ole.Holds() ? (ComUninitializeFunction)(void*)QueryProcAddress(ole, "CoUninitialize") : NULL;
    if (initialize == NULL || uninitialize == NULL) {
        (void)ShellOpen(NULL, verb, file);
        return;
    }
    HRESULT com = initialize(NULL, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOA launch;
    ZeroMemory(&launch, sizeof launch);
    launch.cbSize = sizeof launch;
    launch.fMask = SEE_MASK_NOASYNC;
    launch.lpVerb = verb;
    launch.lpFile = file;
    launch.nShow = SW_SHOWNORMAL;
    (void)ShellStart(&launch);
    if (SUCCEEDED(com))  // S_FALSE too: this call's own count of the library
        uninitialize();
}

int ShellUserIsAdmin()
{
    IsUserAnAdminFunction isUserAnAdmin = (IsUserAnAdminFunction)(void*)ShellFunction("IsUserAnAdmin");
    if (isUserAnAdmin == NULL)
        return -1;
    return isUserAnAdmin() ? 1 : 0;
}

HRESULT ShellGetAppDataFolder(char* path)
{
    GetFolderPathFunction getFolderPath = (GetFolderPathFunction)(void*)ShellFunction("SHGetFolderPathA");
    if (getFolderPath == NULL)
        return E_NOTIMPL;
    return getFolderPath(NULL, CSIDL_APPDATA, NULL, SHGFP_TYPE_CURRENT, path);
}
