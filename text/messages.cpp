#include "text/bounded.h"
#include "text/messages.h"
#include "platform/globals.h"
#include "text/run_log.h"

#define LOADED_PIECE_CHARS 514
#define MESSAGE_BUFFER_COUNT 3

static char MessageBuffers[MESSAGE_BUFFER_COUNT][MESSAGE_TEXT_CHARS + 1];
static int NextMessageBuffer;

static int ShowBox(HWND owner, UINT id, const char* text, const char* caption, UINT style);

// The loader's own box has the system's caption, "Error": the setup
// caption may be the text that failed.
static void ReportStringFailure(const char* format, UINT id)
{
    char text[128];
    (void)FormatBounded(text, sizeof text, format, (int)id);  // always fits
    (void)ShowBox(NULL, id, text, NULL, MB_ICONERROR);
}

int LoadSetupString(UINT id, char* buffer, int size)
{
    if (LoadStringA(SetupInstance, id, buffer, size) > 0)
        return 1;
    if (size > 0)
        buffer[0] = '\0';
    return 0;
}

const char* LoadMessageText(UINT id)
{
    char* buffer = MessageBuffers[NextMessageBuffer];
    NextMessageBuffer = (NextMessageBuffer + 1) % MESSAGE_BUFFER_COUNT;
    buffer[0] = '\0';

    size_t collected = 0;
    for (;;) {
        char piece[LOADED_PIECE_CHARS];
        int length = LoadStringA(SetupInstance, id, piece, sizeof piece);
        if (length <= 0) {
            ReportStringFailure("Internal error: string resource not found: %d", id);
            return buffer;
        }
        if (collected + (size_t)length > MESSAGE_TEXT_CHARS) {
            ReportStringFailure("Internal error: string resource too long: %d", id);
            return buffer;
        }
        bool continues = piece[0] == '!';
        const char* shown = continues ? piece + 1 : piece;
        (void)AppendBounded(buffer, MESSAGE_TEXT_CHARS + 1, shown);  // fits: checked above
        collected += lstrlenA(shown);
        if (!continues)
            return buffer;
        ++id;
    }
}

void AnswerMessagesUnseen(int unseen)
{
    MessagesUnseen = unseen;
}

// What a box would most safely be answered with: nothing goes on that the
// user did not agree to.
static int UnseenAnswer(UINT style)
{
    switch (style & MB_TYPEMASK) {
    case MB_YESNO:
        return IDNO;
    case MB_OKCANCEL:
    case MB_RETRYCANCEL:
    case MB_YESNOCANCEL:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

#define LOGGED_TEXT_CHARS 200

// The text on one line of the log, cut short.
static void LogMessage(UINT id, const char* text, const char* how, int answer)
{
    char line[LOGGED_TEXT_CHARS];
    (void)CopyBounded(line, sizeof line, text);
    for (char* c = line; *c != '\0'; ++c)
        if (*c == '\r' || *c == '\n' || *c == '\t')
            *c = ' ';
    LogStep("message %u %s, answered %d: %s", id, how, answer, line);
}

// Every message box of setup is shown here, so that in an unattended run
// none is, and the log has each one either way.
static int ShowBox(HWND owner, UINT id, const char* text, const char* caption, UINT style)
{
    if (MessagesUnseen) {
        int answer = UnseenAnswer(style);
        LogMessage(id, text, "not shown (unattended run)", answer);
        return answer;
    }
    int answer = MessageBoxA(owner, text, caption, style);
    LogMessage(id, text, "shown", answer);
    return answer;
}

int ShowMessageText(HWND owner, UINT id, UINT style)
{
    return ShowBox(owner, id, LoadMessageText(id), SetupCaption, style);
}

int ShowMessage(HWND owner, UINT id, UINT style, ...)
{
    const char* format = LoadMessageText(id);
    char text[MESSAGE_TEXT_CHARS + 1];
    va_list args;
    va_start(args, style);
    (void)FormatBoundedV(text, sizeof text, format, args);  // a longer text is cut
    va_end(args);
    return ShowBox(owner, id, text, SetupCaption, style);
}
