// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_ExpandEnvironmentStrings(const char *source, char *destination, DWORD size)
{
    Wide wSource, expanded;
    if (!wSource.from(source)) {
        ml_Logger("ml_ExpandEnvironmentStrings has failed to convert 1 at %d line, file: %s", ML_AT);
        return 0;
    }
    const DWORD n = ExpandEnvironmentStringsW(wSource.arg(), expanded.out(), Wide::Units);
    if (n == 0)
        return 0;
    if (n > DWORD(Wide::Units)) // the size needed; the text was cut
        return unfilled("ml_ExpandEnvironmentStrings has failed to convert 2 at %d line, file: %s", __LINE__);
    if (!toCaller(expanded.out(), destination, size)) {
        ml_Logger("ml_ExpandEnvironmentStrings has failed to convert 2 at %d line, file: %s", ML_AT);
        return 0;
    }
    return utf8Length(expanded.out()) + 1;
}

// What ExpandEnvironmentStringsA calls in a program built with the drop-in header.
__typeof__(ExpandEnvironmentStringsA) ml_ExpandEnvironmentStringsA;
DWORD WINAPI ml_ExpandEnvironmentStringsA(const char *source, char *destination, DWORD size)
{
    return ml_ExpandEnvironmentStrings(source, destination, size);
}
ML_IMPORT_POINTER(ml_ExpandEnvironmentStringsA, 12)

} // extern "C"
