// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SetFileAttributes(const char *fileName, DWORD attributes)
{
    Wide wFile;
    if (!wFile.from(fileName)) {
        ml_Logger("ml_SetFileAttributes has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetFileAttributesW(wFile.arg(), attributes);
}

// What SetFileAttributesA calls in a program built with the drop-in header.
__typeof__(SetFileAttributesA) ml_SetFileAttributesA;
BOOL WINAPI ml_SetFileAttributesA(const char *fileName, DWORD attributes)
{
    return ml_SetFileAttributes(fileName, attributes);
}
ML_IMPORT_POINTER(ml_SetFileAttributesA, 8)

} // extern "C"
