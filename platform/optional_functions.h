// The system functions that some supported Windows lack, in one table and
// behind one lookup. None is imported: the loader refuses a program that
// imports a function its system does not export, and setup must start on
// every Windows it can tell the user about. Each library is loaded at the
// first use of one of its functions, from the system folder by full path
// (the common controls by name, so that the manifest's version is found),
// and kept to the end of the process: the shell and the common controls may
// go on working in threads of their own after a call has returned.
#pragma once
#include <windows.h>
#include <shellapi.h>

enum OptionalFunction {
    SET_DEFAULT_DLL_DIRECTORIES,  // kernel32: Windows 8, or 7 and Vista with KB2533623
    SET_DLL_DIRECTORY,            // kernel32: XP SP1
    VERIFY_VERSION_INFO,          // kernel32: 2000
    VER_SET_CONDITION_MASK,       // kernel32: 2000
    INIT_COMMON_CONTROLS,         // comctl32
    SHELL_EXECUTE,                // shell32
    SHELL_EXECUTE_EX,             // shell32
    IS_USER_AN_ADMIN,             // shell32 5.0
    SH_GET_FOLDER_PATH,           // shell32 5.0
    GET_FILE_VERSION_INFO_SIZE,   // version
    GET_FILE_VERSION_INFO,        // version
    VER_QUERY_VALUE,              // version
    CHECK_TOKEN_MEMBERSHIP,       // advapi32: 2000
    CO_INITIALIZE_EX,             // ole32: NT 4.0, 98
    CO_UNINITIALIZE,              // ole32
    GET_MODULE_FILE_NAME_W,       // kernel32: the wide functions below only work on the NT family
    GET_SHORT_PATH_NAME_W,        // kernel32
    GET_COMMAND_LINE_W,           // kernel32
    CREATE_FILE_W,                // kernel32
    DELETE_FILE_W,                // kernel32
    SH_GET_FOLDER_PATH_W,         // shell32 5.0
    OPTIONAL_FUNCTION_COUNT
};

// The function's address; NULL where its library or the function is missing.
FARPROC OptionalFunctionAddress(OptionalFunction function);

template <typename Function>
Function OptionalFunctionOf(OptionalFunction function)
{
    return (Function)(void*)OptionalFunctionAddress(function);
}

typedef BOOL(WINAPI* SetDefaultDllDirectoriesFunction)(DWORD flags);
typedef BOOL(WINAPI* SetDllDirectoryFunction)(LPCSTR folder);
typedef BOOL(WINAPI* VerifyVersionInfoFunction)(LPOSVERSIONINFOEXA wanted, DWORD compared, DWORDLONG conditions);
typedef ULONGLONG(WINAPI* VerSetConditionMaskFunction)(ULONGLONG conditions, DWORD field, BYTE condition);
typedef void(WINAPI* InitCommonControlsFunction)(void);
typedef HINSTANCE(WINAPI* ShellExecuteFunction)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
typedef BOOL(WINAPI* ShellExecuteExFunction)(SHELLEXECUTEINFOA* launch);
typedef BOOL(WINAPI* IsUserAnAdminFunction)(void);
typedef HRESULT(WINAPI* GetFolderPathFunction)(HWND owner, int folder, HANDLE token, DWORD flags, LPSTR path);
typedef DWORD(WINAPI* GetFileVersionInfoSizeFunction)(LPCSTR path, LPDWORD unused);
typedef BOOL(WINAPI* GetFileVersionInfoFunction)(LPCSTR path, DWORD unused, DWORD size, LPVOID block);
typedef BOOL(WINAPI* VerQueryValueFunction)(LPCVOID block, LPCSTR subBlock, LPVOID* value, PUINT length);
typedef BOOL(WINAPI* CheckTokenMembershipFunction)(HANDLE token, PSID group, PBOOL member);
typedef HRESULT(WINAPI* CoInitializeExFunction)(LPVOID reserved, DWORD model);
typedef void(WINAPI* CoUninitializeFunction)(void);
typedef DWORD(WINAPI* GetModuleFileNameWFunction)(HMODULE module, LPWSTR path, DWORD size);
typedef DWORD(WINAPI* GetShortPathNameWFunction)(LPCWSTR path, LPWSTR shortPath, DWORD size);
typedef LPWSTR(WINAPI* GetCommandLineWFunction)(void);
typedef HANDLE(WINAPI* CreateFileWFunction)(LPCWSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE);
typedef BOOL(WINAPI* DeleteFileWFunction)(LPCWSTR path);
typedef HRESULT(WINAPI* GetFolderPathWFunction)(HWND owner, int folder, HANDLE token, DWORD flags, LPWSTR path);
