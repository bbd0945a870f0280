// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_GetDiskFreeSpace(const char *rootPath, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector,
                         LPDWORD freeClusters, LPDWORD totalClusters)
{
    Wide wRoot;
    if (!wRoot.fromOptional(rootPath)) {
        ml_Logger("ml_GetDiskFreeSpace has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return GetDiskFreeSpaceW(wRoot.arg(), sectorsPerCluster, bytesPerSector, freeClusters, totalClusters);
}

// What GetDiskFreeSpaceA calls in a program built with the drop-in header.
__typeof__(GetDiskFreeSpaceA) ml_GetDiskFreeSpaceA;
BOOL WINAPI ml_GetDiskFreeSpaceA(const char *rootPath, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector,
                                 LPDWORD freeClusters, LPDWORD totalClusters)
{
    return ml_GetDiskFreeSpace(rootPath, sectorsPerCluster, bytesPerSector, freeClusters, totalClusters);
}
ML_IMPORT_POINTER(ml_GetDiskFreeSpaceA, 20)

} // extern "C"
