// The process-wide failure log: one record per call of ml_Logger.
#include <MultiLanguage/mlLogger.h>

#include <errno.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <sys/timeb.h>
#include <time.h>

#include "mlFacade.h"

extern "C" {

FILE *volatile g_pFileLogger = NULL;
CRITICAL_SECTION g_csFileLogger;
volatile LONG g_nDropInProgram = 0;

} // extern "C"

namespace {

enum { MessageBytes = 2048 };

// Bytes in the UTF-8 sequence that lead starts.
unsigned sequenceBytes(unsigned char lead)
{
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

// Ends a cut message before a character that the cut would split.
void endAtCharacter(char *msg, size_t end)
{
    size_t start = end;
    while (start > 0 && (static_cast<unsigned char>(msg[start - 1]) & 0xC0) == 0x80)
        --start;
    if (start > 0) {
        const unsigned char lead = static_cast<unsigned char>(msg[start - 1]);
        if (lead >= 0xC0 && start - 1 + sequenceBytes(lead) > end)
            end = start - 1;
    }
    msg[end] = '\0';
}

} // namespace

extern "C" void ml_Logger(const char *format, ...)
{
    ml::LastErrorKeeper keep;
    // A record leaves errno to the caller too, as it was.
    const int entryErrno = errno;
    FILE *const log = g_pFileLogger;
    if (log == NULL || log == ML_LOGGER_OPENING) {
        // A program built with the drop-in header reports its failures as
        // it reports any failing call: its standard error stays its own.
        if (g_nDropInProgram != 0) {
            errno = entryErrno;
            return;
        }
        // Standard output belongs to the program; the diagnostic goes where
        // diagnostics go, a line of its own (nowhere in a GUI program), and
        // at once: the runtime buffers a redirected standard error too.
        fputs("ml_Logger g_pFileLogger is NULL\n", stderr);
        fflush(stderr);
        errno = entryErrno;
        return;
    }

    struct _timeb now;
    _ftime(&now);
    // ctime's buffer is the runtime's, so take a copy of our own at once.
    char timeText[32] = "";
    const char *text = ctime(&now.time);
    if (text != NULL) {
        strncpy(timeText, text, sizeof timeText - 1);
        timeText[sizeof timeText - 1] = '\0';
    }
    const char *yearAndBreak = strlen(timeText) > 20 ? timeText + 20 : "\n";

    char message[MessageBytes];
    va_list args;
    va_start(args, format);
    const int length = _vsnprintf(message, MessageBytes - 1, format, args);
    va_end(args);
    if (length < 0 || length >= MessageBytes - 1)
        endAtCharacter(message, MessageBytes - 1);

    EnterCriticalSection(&g_csFileLogger);
    fprintf(log, "%.19s.%hu %s %s\n", timeText, now.millitm, yearAndBreak, message);
    LeaveCriticalSection(&g_csFileLogger);
    errno = entryErrno;
}
