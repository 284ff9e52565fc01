#include "setup/command_line.h"
#include "text/bounded.h"
#include "text/text_scan.h"
#include "platform/optional_functions.h"

// The ANSI command line and the wide one are split alike: one scan for both.
static const char* NextCharacter(const char* position)
{
    return CharNextA(position);
}

static const WCHAR* NextCharacter(const WCHAR* position)
{
    return position + 1;
}

template <typename Character>
static const Character* SkipName(const Character* commandLine)
{
    const Character* position = commandLine;
    if (*position == '"') {
        ++position;
        while (*position != '\0' && *position != '"')
            position = NextCharacter(position);
        if (*position == '"')
            ++position;
    } else {
        while (*position != '\0' && !IsBlank(*position))
            position = NextCharacter(position);
    }
    while (IsBlank(*position))
        ++position;
    return position;
}

const char* SkipProgramName(const char* commandLine)
{
    return SkipName(commandLine);
}

// The next argument into `argument` (cut to its size), its quotes taken off;
// returns where the one after it starts, or NULL when there is none.
template <typename Character>
static const Character* NextArgument(const Character* position, Character* argument, size_t size)
{
    while (IsBlank(*position))
        ++position;
    if (*position == '\0')
        return NULL;
    size_t length = 0;
    bool quoted = false;
    while (*position != '\0' && (quoted || !IsBlank(*position))) {
        const Character* next = NextCharacter(position);
        if (*position == '"') {
            quoted = !quoted;
        } else {
            for (const Character* unit = position; unit < next; ++unit)
                if (length + 1 < size)
                    argument[length++] = *unit;
        }
        position = next;
    }
    argument[length] = '\0';
    return position;
}

int ReadWideArgument(int number, WCHAR* argument, size_t size)
{
    GetCommandLineWFunction commandLine = OptionalFunctionOf<GetCommandLineWFunction>(GET_COMMAND_LINE_W);
    const WCHAR* position = commandLine != NULL ? commandLine() : NULL;
    if (position == NULL)
        return 0;
    position = SkipName(position);
    for (int counted = 0; (position = NextArgument(position, argument, size)) != NULL; ++counted)
        if (counted == number) {
            // A full buffer may hold a cut argument.
            size_t length = 0;
            while (argument[length] != '\0')
                ++length;
            return length + 1 < size;
        }
    return 0;
}

static bool IsSwitch(const char* argument, const char* name)
{
    return (argument[0] == '/' || argument[0] == '-') && lstrcmpiA(argument + 1, name) == 0;
}

// Takes a switch other than /log into the options; false when it is none.
static bool ReadSwitch(const char* argument, SetupOptions* options)
{
    if (IsSwitch(argument, "quiet")) {
        options->quiet = 1;
    } else if (IsSwitch(argument, "passive")) {
        options->quiet = 1;
        options->passive = 1;
    } else if (IsSwitch(argument, "norestart")) {
        options->noRestart = 1;
    } else if (IsSwitch(argument, "?") || IsSwitch(argument, "help")) {
        options->help = 1;
    } else {
        return false;
    }
    return true;
}

void ReadSetupOptions(const char* arguments, SetupOptions* options)
{
    ZeroMemory(options, sizeof *options);
    char argument[LOG_PATH_CHARS + 1];
    const char* position = arguments;
    for (int number = 0; (position = NextArgument(position, argument, sizeof argument)) != NULL; ++number) {
        if (ReadSwitch(argument, options))
            continue;
        if (IsSwitch(argument, "log")) {
            position = NextArgument(position, argument, sizeof argument);
            options->logArgument = ++number;
            // "/log /quiet" lacks the name, and must still be quiet rather
            // than log to a file called "/quiet". A name that filled the
            // buffer may have been cut: no file of another name is written.
            if (position == NULL || argument[0] == '\0' || ReadSwitch(argument, options))
                options->logPathMissing = 1;
            else if (CopyBounded(options->logPath, sizeof options->logPath, argument) != BOUNDED_OK) {
                options->logPath[0] = '\0';
                (void)CopyBounded(options->unknownSwitch, sizeof options->unknownSwitch, "/log");
            }
            if (position == NULL)
                break;
        } else if (options->unknownSwitch[0] == '\0') {
            (void)CopyBounded(options->unknownSwitch, sizeof options->unknownSwitch, argument);
        }
    }
}
