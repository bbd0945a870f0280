// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

HANDLE ml_CreateFile(const char *fileName, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                     DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile)
{
    Wide wFile;
    if (!wFile.from(fileName)) {
        ml_Logger("ml_CreateFile has failed to convert at %d line, file: %s", ML_AT);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileW(wFile.arg(), access, shareMode, security, creationDisposition, flagsAndAttributes,
                       templateFile);
}

// What CreateFileA calls in a program built with the drop-in header.
__typeof__(CreateFileA) ml_CreateFileA;
HANDLE WINAPI ml_CreateFileA(const char *fileName, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                             DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile)
{
    return ml_CreateFile(fileName, access, shareMode, security, creationDisposition, flagsAndAttributes, templateFile);
}
ML_IMPORT_POINTER(ml_CreateFileA, 28)

} // extern "C"
