// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetEnvironmentVariable(const char *name, char *buffer, DWORD size)
{
    Wide wName, value;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_GetEnvironmentVariable has failed to convert 1 at %d line, file: %s", ML_AT);
        return 0;
    }
    const DWORD n = GetEnvironmentVariableW(wName.arg(), value.out(), Wide::Units);
    if (n == 0)
        return 0;
    if (n >= DWORD(Wide::Units)) // the size needed; nothing written
        return unfilled("ml_GetEnvironmentVariable has failed to convert 2 at %d line, file: %s", __LINE__);
    if (buffer == NULL)
        return utf8Length(value.out());
    if (!toCaller(value.out(), buffer, size)) {
        ml_Logger("ml_GetEnvironmentVariable has failed to convert 2 at %d line, file: %s", ML_AT);
        return utf8Size(value.out());
    }
    return utf8Length(value.out());
}

} // extern "C"
