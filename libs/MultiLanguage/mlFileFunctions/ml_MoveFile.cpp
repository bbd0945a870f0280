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

// What MoveFileA calls in a program built with the drop-in header.
__typeof__(MoveFileA) ml_MoveFileA;
BOOL WINAPI ml_MoveFileA(const char *existingName, const char *newName)
{
    return ml_MoveFile(existingName, newName);
}
ML_IMPORT_POINTER(ml_MoveFileA, 8)

} // extern "C"
