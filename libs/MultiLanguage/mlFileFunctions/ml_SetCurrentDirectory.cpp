// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SetCurrentDirectory(const char *path)
{
    Wide wPath;
    if (!wPath.fromOptional(path)) {
        ml_Logger("ml_SetCurrentDirectory has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetCurrentDirectoryW(wPath.arg());
}

// What SetCurrentDirectoryA calls in a program built with the drop-in header.
__typeof__(SetCurrentDirectoryA) ml_SetCurrentDirectoryA;
BOOL WINAPI ml_SetCurrentDirectoryA(const char *path)
{
    return ml_SetCurrentDirectory(path);
}
ML_IMPORT_POINTER(ml_SetCurrentDirectoryA, 4)

} // extern "C"
