// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegCreateKey(HKEY key, const char *subKey, PHKEY result)
{
    Wide wSubKey;
    if (!wSubKey.fromOptional(subKey)) {
        ml_Logger("ml_RegCreateKey has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegCreateKeyW(key, wSubKey.arg(), result);
}

// What RegCreateKeyA calls in a program built with the drop-in header.
__typeof__(RegCreateKeyA) ml_RegCreateKeyA;
LONG WINAPI ml_RegCreateKeyA(HKEY key, const char *subKey, PHKEY result)
{
    return ml_RegCreateKey(key, subKey, result);
}
ML_IMPORT_POINTER(ml_RegCreateKeyA, 12)

} // extern "C"
