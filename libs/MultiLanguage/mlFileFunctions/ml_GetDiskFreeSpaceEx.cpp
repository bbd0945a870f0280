// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_GetDiskFreeSpaceEx(const char *folder, PULARGE_INTEGER freeBytesAvailable, PULARGE_INTEGER totalBytes,
                           PULARGE_INTEGER totalFreeBytes)
{
    Wide wFolder;
    if (!wFolder.fromOptional(folder)) {
        ml_Logger("ml_GetDiskFreeSpaceEx has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return GetDiskFreeSpaceExW(wFolder.arg(), freeBytesAvailable, totalBytes, totalFreeBytes);
}

} // extern "C"
