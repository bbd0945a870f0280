// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_GetFileSecurity(const char *fileName, SECURITY_INFORMATION requested, PSECURITY_DESCRIPTOR descriptor,
                        DWORD descriptorSize, LPDWORD sizeNeeded)
{
    Wide wFile;
    if (!wFile.fromOptional(fileName)) {
        ml_Logger("ml_GetFileSecurity has failed to convert 1 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return GetFileSecurityW(wFile.arg(), requested, descriptor, descriptorSize, sizeNeeded);
}

// What GetFileSecurityA calls in a program built with the drop-in header.
__typeof__(GetFileSecurityA) ml_GetFileSecurityA;
BOOL WINAPI ml_GetFileSecurityA(const char *fileName, SECURITY_INFORMATION requested, PSECURITY_DESCRIPTOR descriptor,
                                DWORD descriptorSize, LPDWORD sizeNeeded)
{
    return ml_GetFileSecurity(fileName, requested, descriptor, descriptorSize, sizeNeeded);
}
ML_IMPORT_POINTER(ml_GetFileSecurityA, 20)

} // extern "C"
