// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_DeleteFile(const char *fileName)
{
    Wide wFile;
    if (!wFile.from(fileName)) {
        ml_Logger("ml_DeleteFile has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return DeleteFileW(wFile.arg());
}

// What DeleteFileA calls in a program built with the drop-in header.
__typeof__(DeleteFileA) ml_DeleteFileA;
BOOL WINAPI ml_DeleteFileA(const char *fileName)
{
    return ml_DeleteFile(fileName);
}
ML_IMPORT_POINTER(ml_DeleteFileA, 4)

} // extern "C"
