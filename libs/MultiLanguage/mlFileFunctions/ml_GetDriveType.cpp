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

} // extern "C"
