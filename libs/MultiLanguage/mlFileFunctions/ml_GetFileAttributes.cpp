// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetFileAttributes(const char *fileName)
{
    Wide wFile;
    if (!wFile.from(fileName)) {
        ml_Logger("ml_GetFileAttributes has failed to convert at %d line, file: %s", ML_AT);
        return INVALID_FILE_ATTRIBUTES;
    }
    return GetFileAttributesW(wFile.arg());
}

// What GetFileAttributesA calls in a program built with the drop-in header.
__typeof__(GetFileAttributesA) ml_GetFileAttributesA;
DWORD WINAPI ml_GetFileAttributesA(const char *fileName)
{
    return ml_GetFileAttributes(fileName);
}
ML_IMPORT_POINTER(ml_GetFileAttributesA, 4)

} // extern "C"
