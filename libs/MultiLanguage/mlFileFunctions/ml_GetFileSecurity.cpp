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

} // extern "C"
