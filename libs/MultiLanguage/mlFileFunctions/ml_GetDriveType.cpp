// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

UINT ml_GetDriveType(const char *rootPath)
{
    Wide wRoot;
    if (!wRoot.fromOptional(rootPath)) {
        ml_Logger("ml_GetDriveType has failed to convert at %d line, file: %s", ML_AT);
        return DRIVE_UNKNOWN;
    }
    return GetDriveTypeW(wRoot.arg());
}

// What GetDriveTypeA calls in a program built with the drop-in header.
__typeof__(GetDriveTypeA) ml_GetDriveTypeA;
UINT WINAPI ml_GetDriveTypeA(const char *rootPath)
{
    return ml_GetDriveType(rootPath);
}
ML_IMPORT_POINTER(ml_GetDriveTypeA, 4)

} // extern "C"
