// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

UINT ml_GetTempFileName(const char *folder, const char *prefix, UINT unique, char *name)
{
    Wide wFolder, wPrefix;
    bool converted = wFolder.fromOptional(folder);
    if (!wPrefix.fromOptional(prefix))
        converted = false;
    if (!converted) {
        ml_Logger("ml_GetTempFileName has failed to convert 1 at %d line, file: %s", ML_AT);
        return 0;
    }
    WCHAR wName[MAX_PATH];
    const UINT used = GetTempFileNameW(wFolder.arg(), wPrefix.arg(), unique, name != NULL ? wName : NULL);
    if (used == 0)
        return 0;
    if (name != NULL && !ml_ConvertUTF16toUTF8(wName, name, MAX_PATH)) {
        ml_Logger("ml_GetTempFileName has failed to convert 2 at %d line, file: %s", ML_AT);
        return 0;
    }
    return used;
}

// What GetTempFileNameA calls in a program built with the drop-in header.
__typeof__(GetTempFileNameA) ml_GetTempFileNameA;
UINT WINAPI ml_GetTempFileNameA(const char *folder, const char *prefix, UINT unique, char *name)
{
    return ml_GetTempFileName(folder, prefix, unique, name);
}
ML_IMPORT_POINTER(ml_GetTempFileNameA, 16)

} // extern "C"
