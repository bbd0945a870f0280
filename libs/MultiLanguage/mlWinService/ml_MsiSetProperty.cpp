// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

UINT ml_MsiSetProperty(MSIHANDLE install, const char *name, const char *value)
{
    Wide wName, wValue;
    int ok = 1;
    ok &= wName.fromOptional(name);
    ok &= wValue.fromOptional(value);
    if (!ok) {
        ml_Logger("ml_MsiSetProperty has failed to convert at %d line, file: %s", ML_AT);
        return ERROR_INVALID_PARAMETER;
    }
    return MsiSetPropertyW(install, wName.arg(), wValue.arg());
}

// What MsiSetPropertyA calls in a program built with the drop-in header.
__typeof__(MsiSetPropertyA) ml_MsiSetPropertyA;
UINT WINAPI ml_MsiSetPropertyA(MSIHANDLE install, const char *name, const char *value)
{
    return ml_MsiSetProperty(install, name, value);
}
ML_IMPORT_POINTER(ml_MsiSetPropertyA, 12)

} // extern "C"
