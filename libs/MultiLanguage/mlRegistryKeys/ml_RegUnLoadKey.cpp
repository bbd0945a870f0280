// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegUnLoadKey(HKEY key, const char *subKey)
{
    Wide wSubKey;
    if (!wSubKey.fromOptional(subKey)) {
        ml_Logger("ml_RegUnLoadKey has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegUnLoadKeyW(key, wSubKey.arg());
}

// What RegUnLoadKeyA calls in a program built with the drop-in header.
__typeof__(RegUnLoadKeyA) ml_RegUnLoadKeyA;
LONG WINAPI ml_RegUnLoadKeyA(HKEY key, const char *subKey)
{
    return ml_RegUnLoadKey(key, subKey);
}
ML_IMPORT_POINTER(ml_RegUnLoadKeyA, 8)

} // extern "C"
