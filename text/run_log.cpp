#include "text/run_log.h"
#include "platform/globals.h"
#include "text/bounded.h"

#define LOG_LINE_CHARS 1200
#define LOG_TIME_CHARS 32

int OpenRunLog(const char* path)
{
    CloseRunLog();
    // Others may read it while setup runs; the share lets a monitoring
    // engine follow it. A retry adds its lines after the earlier run's.
    RunLogFile = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, NULL, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (RunLogFile == INVALID_HANDLE_VALUE)
        return 0;
    // A log that has grown to 4 GiB cannot be appended to here.
    if (SetFilePointer(RunLogFile, 0, NULL, FILE_END) == INVALID_SET_FILE_POINTER) {
        CloseRunLog();
        return 0;
    }
    return 1;
}

void LogStep(const char* format, ...)
{
    if (RunLogFile == INVALID_HANDLE_VALUE)
        return;
    SYSTEMTIME now;
    GetLocalTime(&now);
    char line[LOG_TIME_CHARS + LOG_LINE_CHARS + 2];
    (void)FormatBounded(line, LOG_TIME_CHARS, "%04u-%02u-%02u %02u:%02u:%02u.%03u  ", now.wYear, now.wMonth, now.wDay,
                        now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);  // always fits
    int timeLength = lstrlenA(line);
    va_list args;
    va_start(args, format);
    (void)FormatBoundedV(line + timeLength, LOG_LINE_CHARS, format, args);  // a longer line is cut
    va_end(args);
    (void)AppendBounded(line, sizeof line, "\r\n");
    DWORD written;
    // Each line goes to the system at once; a failed write loses that line only.
    (void)WriteFile(RunLogFile, line, (DWORD)lstrlenA(line), &written, NULL);
}

void CloseRunLog()
{
    if (RunLogFile != INVALID_HANDLE_VALUE)
        (void)CloseHandle(RunLogFile);
    RunLogFile = INVALID_HANDLE_VALUE;
}
