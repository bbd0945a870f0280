// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_MoveFile(const char *existingName, const char *newName)
{
    Wide wExisting, wNew;
    bool converted = wExisting.from(existingName);
    if (!wNew.from(newName))
        converted = false;
    if (!converted) {
        ml_Logger("ml_MoveFile has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return MoveFileW(wExisting.arg(), wNew.arg());
}

} // extern "C"
