// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_CopyFile(const char *existingName, const char *newName, BOOL failIfExists)
{
    Wide wExisting, wNew;
    bool converted = wExisting.from(existingName);
    if (!wNew.from(newName))
        converted = false;
    if (!converted) {
        ml_Logger("ml_CopyFile has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return CopyFileW(wExisting.arg(), wNew.arg(), failIfExists);
}

// What CopyFileA calls in a program built with the drop-in header.
__typeof__(CopyFileA) ml_CopyFileA;
BOOL WINAPI ml_CopyFileA(const char *existingName, const char *newName, BOOL failIfExists)
{
    return ml_CopyFile(existingName, newName, failIfExists);
}
ML_IMPORT_POINTER(ml_CopyFileA, 12)

} // extern "C"
