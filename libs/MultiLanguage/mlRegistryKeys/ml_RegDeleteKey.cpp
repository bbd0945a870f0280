// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegDeleteKey(HKEY key, const char *subKey)
{
    Wide wSubKey;
    if (!wSubKey.fromOptional(subKey)) {
        ml_Logger("ml_RegDeleteKey has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegDeleteKeyW(key, wSubKey.arg());
}

// What RegDeleteKeyA calls in a program built with the drop-in header.
__typeof__(RegDeleteKeyA) ml_RegDeleteKeyA;
LONG WINAPI ml_RegDeleteKeyA(HKEY key, const char *subKey)
{
    return ml_RegDeleteKey(key, subKey);
}
ML_IMPORT_POINTER(ml_RegDeleteKeyA, 8)

} // extern "C"
