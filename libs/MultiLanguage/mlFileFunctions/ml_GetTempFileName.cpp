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

} // extern "C"
