// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegOpenKey(HKEY key, const char *subKey, PHKEY result)
{
    Wide wSubKey;
    if (!wSubKey.fromOptional(subKey)) {
        ml_Logger("ml_RegOpenKey has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegOpenKeyW(key, wSubKey.arg(), result);
}

// What RegOpenKeyA calls in a program built with the drop-in header.
__typeof__(RegOpenKeyA) ml_RegOpenKeyA;
LONG WINAPI ml_RegOpenKeyA(HKEY key, const char *subKey, PHKEY result)
{
    return ml_RegOpenKey(key, subKey, result);
}
ML_IMPORT_POINTER(ml_RegOpenKeyA, 12)

} // extern "C"
