// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SetEnvironmentVariable(const char *name, const char *value)
{
    Wide wName, wValue;
    int ok = 1;
    ok &= wName.fromOptional(name);
    ok &= wValue.fromOptional(value);
    if (!ok) {
        ml_Logger("ml_SetEnvironmentVariable has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetEnvironmentVariableW(wName.arg(), wValue.arg());
}

// What SetEnvironmentVariableA calls in a program built with the drop-in header.
__typeof__(SetEnvironmentVariableA) ml_SetEnvironmentVariableA;
BOOL WINAPI ml_SetEnvironmentVariableA(const char *name, const char *value)
{
    return ml_SetEnvironmentVariable(name, value);
}
ML_IMPORT_POINTER(ml_SetEnvironmentVariableA, 8)

} // extern "C"
