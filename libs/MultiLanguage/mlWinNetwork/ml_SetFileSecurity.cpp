// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SetFileSecurity(const char *fileName, SECURITY_INFORMATION information, PSECURITY_DESCRIPTOR descriptor)
{
    Wide wName;
    if (!wName.fromOptional(fileName)) {
        ml_Logger("ml_SetFileSecurity has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetFileSecurityW(wName.arg(), information, descriptor);
}

// What SetFileSecurityA calls in a program built with the drop-in header.
__typeof__(SetFileSecurityA) ml_SetFileSecurityA;
BOOL WINAPI ml_SetFileSecurityA(const char *fileName, SECURITY_INFORMATION information, PSECURITY_DESCRIPTOR descriptor)
{
    return ml_SetFileSecurity(fileName, information, descriptor);
}
ML_IMPORT_POINTER(ml_SetFileSecurityA, 12)

} // extern "C"
