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

// What GetDiskFreeSpaceExA calls in a program built with the drop-in header.
__typeof__(GetDiskFreeSpaceExA) ml_GetDiskFreeSpaceExA;
BOOL WINAPI ml_GetDiskFreeSpaceExA(const char *folder, PULARGE_INTEGER freeBytesAvailable, PULARGE_INTEGER totalBytes,
                                   PULARGE_INTEGER totalFreeBytes)
{
    return ml_GetDiskFreeSpaceEx(folder, freeBytesAvailable, totalBytes, totalFreeBytes);
}
ML_IMPORT_POINTER(ml_GetDiskFreeSpaceExA, 16)

} // extern "C"
