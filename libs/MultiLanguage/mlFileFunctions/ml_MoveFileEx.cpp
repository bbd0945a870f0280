// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_MoveFileEx(const char *existingName, const char *newName, DWORD flags)
{
    Wide wExisting, wNew;
    bool converted = wExisting.from(existingName);
    if (!wNew.from(newName))
        converted = false;
    if (!converted) {
        ml_Logger("ml_MoveFileEx has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return MoveFileExW(wExisting.arg(), wNew.arg(), flags);
}

// What MoveFileExA calls in a program built with the drop-in header.
__typeof__(MoveFileExA) ml_MoveFileExA;
BOOL WINAPI ml_MoveFileExA(const char *existingName, const char *newName, DWORD flags)
{
    return ml_MoveFileEx(existingName, newName, flags);
}
ML_IMPORT_POINTER(ml_MoveFileExA, 12)

} // extern "C"
