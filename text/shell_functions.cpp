#include "text/shell_functions.h"
#include "text/system_facts.h"
#include "text/text.h"
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

BOOL ShellUserIsAdmin()
{
    IsUserAnAdminFunction isUserAnAdmin = (IsUserAnAdminFunction)(void*)ShellFunction("IsUserAnAdmin");
    return isUserAnAdmin != NULL && isUserAnAdmin();
}

HRESULT ShellGetAppDataFolder(char* path)
{
    GetFolderPathFunction getFolderPath = (GetFolderPathFunction)(void*)ShellFunction("SHGetFolderPathA");
    if (getFolderPath == NULL)
        return E_NOTIMPL;
    return getFolderPath(NULL, CSIDL_APPDATA, NULL, SHGFP_TYPE_CURRENT, path);
}
