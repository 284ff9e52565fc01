#include "setup/log_name.h"
#include "platform/ansi_path.h"
#include "platform/optional_functions.h"
#include "text/bounded.h"

// The wide name, made if missing, in its short form; 0 where it has none
// the code page holds.
static int ShortFormOfMadeFile(const WCHAR* name, char* path, int size)
{
    CreateFileWFunction create = OptionalFunctionOf<CreateFileWFunction>(CREATE_FILE_W);
    DeleteFileWFunction remove = OptionalFunctionOf<DeleteFileWFunction>(DELETE_FILE_W);
    if (create == NULL || remove == NULL)
        return 0;
    HANDLE file = create(name, GENERIC_WRITE, FILE_SHARE_READ, NULL, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    bool made = GetLastError() != ERROR_ALREADY_EXISTS;
    (void)CloseHandle(file);
    if (AnsiFormOfPath(name, path, size) == PATH_SHORT_FORM)
        return 1;
    if (made)
        (void)remove(name);
    return 0;
}

void UseShortLogNameWhereLossy(SetupOptions* options)
{
    if (options->logPath[0] == '\0' || !ReadsWidePaths())
        return;
    WCHAR name[LOG_PATH_CHARS];
    char path[LOG_PATH_CHARS];
    if (!ReadWideArgument(options->logArgument, name, LOG_PATH_CHARS))
        return;
    // Only the same argument as the ANSI command line's, as that shows it.
    if (WideCharToMultiByte(CP_ACP, 0, name, -1, path, sizeof path, NULL, NULL) == 0 ||
        lstrcmpA(path, options->logPath) != 0)
        return;
    if (AnsiFormOfPath(name, path, sizeof path) == PATH_AS_IT_IS)
        return;
    if (ShortFormOfMadeFile(name, path, sizeof path))
        (void)CopyBounded(options->logPath, sizeof options->logPath, path);  // same size
}
