#include "setup/command_line.h"
#include "text/bounded.h"

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

const char* SkipProgramName(const char* commandLine)
{
    const char* position = commandLine;
    if (*position == '"') {
        ++position;
        while (*position != '\0' && *position != '"')
            position = CharNextA(position);
        if (*position == '"')
            ++position;
    } else {
        while (*position != '\0' && !IsBlank(*position))
            position = CharNextA(position);
    }
    while (IsBlank(*position))
        ++position;
    return position;
}

// The next argument into `argument` (cut to its size), its quotes taken off;
// returns where the one after it starts, or NULL when there is none.
static const char* NextArgument(const char* position, char* argument, size_t size)
{
    while (IsBlank(*position))
        ++position;
    if (*position == '\0')
        return NULL;
    size_t length = 0;
    bool quoted = false;
    while (*position != '\0' && (quoted || !IsBlank(*position))) {
        const char* next = CharNextA(position);
        if (*position == '"') {
            quoted = !quoted;
        } else {
            for (const char* byte = position; byte < next; ++byte)
                if (length + 1 < size)
                    argument[length++] = *byte;
        }
        position = next;
    }
    argument[length] = '\0';
    return position;
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
    while ((position = NextArgument(position, argument, sizeof argument)) != NULL) {
        if (ReadSwitch(argument, options))
            continue;
        if (IsSwitch(argument, "log")) {
            position = NextArgument(position, argument, sizeof argument);
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
