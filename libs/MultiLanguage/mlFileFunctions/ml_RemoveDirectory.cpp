// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_RemoveDirectory(const char *path)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_RemoveDirectory has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return RemoveDirectoryW(wPath.arg());
}

// What RemoveDirectoryA calls in a program built with the drop-in header.
__typeof__(RemoveDirectoryA) ml_RemoveDirectoryA;
BOOL WINAPI ml_RemoveDirectoryA(const char *path)
{
    return ml_RemoveDirectory(path);
}
ML_IMPORT_POINTER(ml_RemoveDirectoryA, 4)

} // extern "C"
