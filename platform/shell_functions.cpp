#include "platform/shell_functions.h"
#include "platform/optional_functions.h"
#include "platform/ansi_path.h"
#include <shlobj.h>

HINSTANCE ShellOpen(HWND owner, const char* verb, const char* file)
{
    ShellExecuteFunction execute = OptionalFunctionOf<ShellExecuteFunction>(SHELL_EXECUTE);
    if (execute == NULL)
        return (HINSTANCE)SE_ERR_DLLNOTFOUND;
    return execute(owner, verb, file, NULL, NULL, SW_SHOWNORMAL);
}

// ShellExecuteExA; FALSE where the shell cannot be had.
static BOOL ShellStart(SHELLEXECUTEINFOA* launch)
{
    ShellExecuteExFunction execute = OptionalFunctionOf<ShellExecuteExFunction>(SHELL_EXECUTE_EX);
    return execute != NULL && execute(launch);
}

BOOL ShellStartFile(const char* verb, const char* file, const char* parameters, int show, ULONG mask,
                    HANDLE* process)
{
    SHELLEXECUTEINFOA launch;
    ZeroMemory(&launch, sizeof launch);
    launch.cbSize = sizeof launch;
    launch.fMask = mask;
    launch.lpVerb = verb;
    launch.lpFile = file;
    launch.lpParameters = parameters;
    launch.nShow = show;
    if (!ShellStart(&launch))
        return FALSE;
    if (process != NULL)
        *process = launch.hProcess;
    return TRUE;
}

void ShellOpenBeforeExit(const char* verb, const char* file)
{
    // An address may be handed to a handler the shell reaches through COM or
    // DDE, which needs COM on this thread and, with the process about to
    // end, a call that returns only once the handler has the address.
    CoInitializeExFunction initialize = OptionalFunctionOf<CoInitializeExFunction>(CO_INITIALIZE_EX);
    CoUninitializeFunction uninitialize = OptionalFunctionOf<CoUninitializeFunction>(CO_UNINITIALIZE);
    if (initialize == NULL || uninitialize == NULL) {
        (void)ShellOpen(NULL, verb, file);
        return;
    }
    HRESULT com = initialize(NULL, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // No box of the shell's where no program answers for the address, as
    // ShellExecuteA does not show one: nobody may be there to close it.
    (void)ShellStartFile(verb, file, NULL, SW_SHOWNORMAL, SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI, NULL);
    if (SUCCEEDED(com))  // S_FALSE too: this call's own count of the library
        uninitialize();
}

int ShellUserIsAdmin()
{
    IsUserAnAdminFunction isUserAnAdmin = OptionalFunctionOf<IsUserAnAdminFunction>(IS_USER_AN_ADMIN);
    if (isUserAnAdmin == NULL)
        return -1;
    return isUserAnAdmin() ? 1 : 0;
}

HRESULT ShellGetAppDataFolder(char* path)
{
    GetFolderPathWFunction getWide = OptionalFunctionOf<GetFolderPathWFunction>(SH_GET_FOLDER_PATH_W);
    if (ReadsWidePaths() && getWide != NULL) {
        WCHAR folder[MAX_PATH];
        HRESULT result = getWide(NULL, CSIDL_APPDATA, NULL, SHGFP_TYPE_CURRENT, folder);
        if (FAILED(result))
            return result;
        return AnsiFormOfPath(folder, path, MAX_PATH) != PATH_NOT_FITTING ? S_OK : E_FAIL;
    }
    GetFolderPathFunction getFolderPath = OptionalFunctionOf<GetFolderPathFunction>(SH_GET_FOLDER_PATH);
    if (getFolderPath == NULL)
        return E_NOTIMPL;
    return getFolderPath(NULL, CSIDL_APPDATA, NULL, SHGFP_TYPE_CURRENT, path);
}
