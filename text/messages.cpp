#include "text/bounded.h"
#include "text/messages.h"
#include "platform/globals.h"
#include "text/run_log.h"

#define LOADED_PIECE_CHARS 514
#define MESSAGE_BUFFER_COUNT 3

static char MessageBuffers[MESSAGE_BUFFER_COUNT][MESSAGE_TEXT_CHARS + 1];
static int NextMessageBuffer;

static int MessagesUnseen;

// Like every other box, the loader's own stays unseen in an unattended run,
// where it would wait for nobody; the log tells instead.
static void ReportStringFailure(const char* format, UINT id)
{
    char text[128];
    (void)FormatBounded(text, sizeof text, format, (int)id);  // always fits
    if (MessagesUnseen)
        LogStep("%s", text);
    else
        MessageBoxA(NULL, text, NULL, MB_ICONERROR);
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

static int ShowBox(HWND owner, UINT id, const char* text, UINT style)
{
    if (MessagesUnseen) {
        int answer = UnseenAnswer(style);
        LogMessage(id, text, "not shown (unattended run)", answer);
        return answer;
    }
    int answer = MessageBoxA(owner, text, SetupCaption, style);
    LogMessage(id, text, "shown", answer);
    return answer;
}

int ShowMessageText(HWND owner, UINT id, UINT style)
{
    return ShowBox(owner, id, LoadMessageText(id), style);
}

int ShowMessage(HWND owner, UINT id, UINT style, ...)
{
    char format[MESSAGE_TEXT_CHARS];
    if (LoadStringA(SetupInstance, id, format, sizeof format) <= 0)
        format[0] = '\0';

    char text[MESSAGE_TEXT_CHARS + 1];
    va_list args;
    va_start(args, style);
    (void)FormatBoundedV(text, sizeof text, format, args);  // a longer text is cut
    va_end(args);
    return ShowBox(owner, id, text, style);
}
