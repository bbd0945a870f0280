// The process-wide failure log: one record per call of ml_Logger.
#include <MultiLanguage/mlLogger.h>

#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <sys/timeb.h>
#include <time.h>

#include <MultiLanguage/mlFileFunctions.h>
#include <MultiLanguage/mlGeneral.h>
#include <MultiLanguage/mlWin.h>
#include <shlobj.h>

#include "mlFacade.h"

extern "C" {

FILE *volatile g_pFileLogger = NULL;
CRITICAL_SECTION g_csFileLogger;

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
    FILE *const log = g_pFileLogger;
    if (log == NULL || log == ML_LOGGER_OPENING) {
        printf("ml_Logger g_pFileLogger is NULL");
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
}

// ---- Opening ---------------------------------------------------------------------

namespace {

enum { PathBytes = 520 };

const char kLogName[] = "mlLog.txt";

} // namespace

extern "C" int ml_LoggerInit(const char *folder)
{
    if (folder == NULL) {
        ml_printf("ml_LoggerInit input parm is NULL\n");
        return 0;
    }
    // Claim the opening state in one step, so two openings cannot both go on.
    if (InterlockedCompareExchangePointer(reinterpret_cast<void *volatile *>(&g_pFileLogger), ML_LOGGER_OPENING,
                                          NULL) != NULL) {
        ml_printf("ml_LoggerInit already initialized,returning\n");
        return 0;
    }

    // A path that does not fit is refused, never cut to another file's name.
    char path[PathBytes];
    const int length = ml_snprintf(path, sizeof path, "%s\\%s", folder, kLogName);
    FILE *file = NULL;
    bool isNew = false;
    if (length >= 0 && length < static_cast<int>(sizeof path)) {
        isNew = ml_access(path, 6) == -1;
        file = ml_fopen(path, "a+");
    }
    if (file == NULL) {
        g_pFileLogger = NULL;
        ml_printf("ml_LoggerInit has failed to open %s file\n", folder);
        return 0;
    }

    // Ready before any writer can see the stream.
    InitializeCriticalSection(&g_csFileLogger);
    if (isNew) {
        unsigned char bom[256];
        unsigned int size = sizeof bom;
        if (ml_GetUTF8BomBytes(bom, &size) != 0) {
            fwrite(bom, 1, size, file);
            fflush(file);
        }
    }
    g_pFileLogger = file;
    return 1;
}

extern "C" int ml_LoggerInitNoParm(void)
{
    HMODULE program = ml_GetModuleHandle(NULL);
    if (program == NULL) {
        ml_printf("ml_LoggerInitNoParm failed at ml_GetModuleHandle\n");
        return 0;
    }
    char modulePath[PathBytes];
    if (ml_GetModuleFileName(program, modulePath, sizeof modulePath) == 0) {
        ml_printf("ml_LoggerInitNoParm failed at ml_GetModuleFileName\n");
        return 0;
    }

    char *context = NULL;
    char *fileName = NULL;
    for (char *token = ml_strtok_s(modulePath, "\\", &context); token != NULL;
         token = ml_strtok_s(NULL, "\\", &context))
        fileName = token;
    if (fileName == NULL) {
        ml_printf("ml_LoggerInitNoParm failed 1 at ml_strtok_s\n");
        return 0;
    }
    context = NULL;
    const char *programName = ml_strtok_s(fileName, ".", &context);
    if (programName == NULL) {
        ml_printf("ml_LoggerInitNoParm failed 2 at ml_strtok_s\n");
        return 0;
    }

    // The folder query writes up to 4096 bytes.
    char common[ML_CONV_BUF_BYTES];
    if (ml_SHGetFolderPath(NULL, CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, NULL, 0, common) < 0) {
        ml_printf("ml_LoggerInitNoParm failed at ml_SHGetFolderPath\n");
        return 0;
    }
    char folder[PathBytes];
    const int length = ml_snprintf(folder, sizeof folder, "%s\\Ardenfold\\%s\\", common, programName);
    if (length < 0 || length >= static_cast<int>(sizeof folder)) {
        ml_printf("ml_LoggerInit has failed to open %s file\n", common);
        return 0;
    }
    return ml_LoggerInit(folder);
}
