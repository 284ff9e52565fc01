#include "platform/ansi_path.h"
#include "platform/optional_functions.h"
#include "platform/system_facts.h"

int ReadsWidePaths()
{
    const WindowsFacts* windows = KnownWindows();
    return windows->known && windows->platform == VER_PLATFORM_WIN32_NT;
}

// Without best-fit mapping, a character the code page lacks becomes the
// default character and is reported, rather than turning silently into a
// look-alike ("L" for "Ł") that names another file.
static bool ConvertWhole(const WCHAR* wide, char* path, int size)
{
    BOOL replaced = FALSE;
    return WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, path, size, NULL, &replaced) != 0 &&
           !replaced;
}

AnsiPathForm AnsiFormOfPath(const WCHAR* wide, char* path, int size)
{
    if (ConvertWhole(wide, path, size))
        return PATH_AS_IT_IS;
    // With 8.3 names turned off the system gives the long form back, which
    // the code page lacks as before.
    GetShortPathNameWFunction shorten = OptionalFunctionOf<GetShortPathNameWFunction>(GET_SHORT_PATH_NAME_W);
    WCHAR shortForm[MAX_PATH];
    DWORD length = shorten != NULL ? shorten(wide, shortForm, MAX_PATH) : 0;
    if (length != 0 && length < MAX_PATH && ConvertWhole(shortForm, path, size))
        return PATH_SHORT_FORM;
    // The form the ANSI functions give, with their best-fit look-alikes.
    if (WideCharToMultiByte(CP_ACP, 0, wide, -1, path, size, NULL, NULL) != 0)
        return PATH_CHARACTERS_REPLACED;
    if (size > 0)
        path[0] = '\0';
    return PATH_NOT_FITTING;
}

int ReadOwnPath(char* path, int size)
{
    GetModuleFileNameWFunction readWide = OptionalFunctionOf<GetModuleFileNameWFunction>(GET_MODULE_FILE_NAME_W);
    if (ReadsWidePaths() && readWide != NULL) {
        WCHAR wide[MAX_PATH];
        DWORD length = readWide(NULL, wide, MAX_PATH);
        if (length != 0 && length < MAX_PATH)
            return AnsiFormOfPath(wide, path, size) != PATH_NOT_FITTING;
    }
    DWORD length = GetModuleFileNameA(NULL, path, (DWORD)size);
    return length != 0 && length < (DWORD)size;
}
