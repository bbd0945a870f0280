// Opening the failure log. Kept apart from ml_Logger so that a program
// that only writes records does not link the families the opening uses.
#include <MultiLanguage/mlLogger.h>

#include <stdio.h>

#include <MultiLanguage/mlFileFunctions.h>
#include <MultiLanguage/mlGeneral.h>
#include <MultiLanguage/mlWin.h>
#include <shlobj.h>

#include "mlFacade.h"

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
