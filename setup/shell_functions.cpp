#include "setup/shell_functions.h"
#include "setup/system_facts.h"
#include <shlobj.h>

typedef BOOL(WINAPI* IsUserAnAdminFunction)(void);
typedef HRESULT(WINAPI* GetFolderPathFunction)(HWND owner, int folder, HANDLE token, DWORD flags, LPSTR path);

BOOL WINAPI ShellUserIsAdmin(void)
{
    HMODULE shell = LoadLibraryA("shell32.dll");
    if (shell == NULL)
        return FALSE;
    IsUserAnAdminFunction isUserAnAdmin = (IsUserAnAdminFunction)(void*)QueryProcAddress(shell, "IsUserAnAdmin");
    BOOL admin = isUserAnAdmin != NULL && isUserAnAdmin();
    FreeLibrary(shell);
    return admin;
}

HRESULT ShellGetAppDataFolder(char* path)
{
    HMODULE shell = LoadLibraryA("shell32.dll");
    if (shell == NULL)
        return E_NOTIMPL;
    GetFolderPathFunction getFolderPath = (GetFolderPathFunction)(void*)QueryProcAddress(shell, "SHGetFolderPathA");
    HRESULT result = getFolderPath != NULL
                         ? getFolderPath(NULL, CSIDL_APPDATA, NULL, SHGFP_TYPE_CURRENT, path)
                         : E_NOTIMPL;
    FreeLibrary(shell);
    return result;
}
