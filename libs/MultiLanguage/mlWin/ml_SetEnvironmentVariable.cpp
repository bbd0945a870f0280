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

} // extern "C"
