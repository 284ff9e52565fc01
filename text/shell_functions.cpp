#include "text/shell_functions.h"
#include "platform/optional_functions.h"
#include <shlobj.h>

HINSTANCE ShellOpen(HWND owner, const char* verb, const char* file)
{
    ShellExecuteFunction execute = OptionalFunctionOf<ShellExecuteFunction>(SHELL_EXECUTE);
    if (execute == NULL)
        return (HINSTANCE)SE_ERR_DLLNOTFOUND;
    return execute(owner, verb, file, NULL, NULL, SW_SHOWNORMAL);
}

BOOL ShellStart(SHELLEXECUTEINFOA* launch)
{
    ShellExecuteExFunction execute = OptionalFunctionOf<ShellExecuteExFunction>(SHELL_EXECUTE_EX);
    return execute != NULL && execute(launch);
}

BOOL ShellUserIsAdmin()
{
    IsUserAnAdminFunction isUserAnAdmin = OptionalFunctionOf<IsUserAnAdminFunction>(IS_USER_AN_ADMIN);
    return isUserAnAdmin != NULL && isUserAnAdmin();
}

HRESULT ShellGetAppDataFolder(char* path)
{
    GetFolderPathFunction getFolderPath = OptionalFunctionOf<GetFolderPathFunction>(SH_GET_FOLDER_PATH);
    if (getFolderPath == NULL)
        return E_NOTIMPL;
    return getFolderPath(NULL, CSIDL_APPDATA, NULL, SHGFP_TYPE_CURRENT, path);
}
