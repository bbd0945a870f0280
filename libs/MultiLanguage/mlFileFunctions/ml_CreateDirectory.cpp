// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_CreateDirectory(const char *path, LPSECURITY_ATTRIBUTES attributes)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_CreateDirectory has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return CreateDirectoryW(wPath.arg(), attributes);
}

// What CreateDirectoryA calls in a program built with the drop-in header.
__typeof__(CreateDirectoryA) ml_CreateDirectoryA;
BOOL WINAPI ml_CreateDirectoryA(const char *path, LPSECURITY_ATTRIBUTES attributes)
{
    return ml_CreateDirectory(path, attributes);
}
ML_IMPORT_POINTER(ml_CreateDirectoryA, 8)

} // extern "C"
