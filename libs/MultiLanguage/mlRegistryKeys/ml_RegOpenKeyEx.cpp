// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegOpenKeyEx(HKEY key, const char *subKey, DWORD options, REGSAM access, PHKEY result)
{
    Wide wSubKey;
    if (!wSubKey.fromOptional(subKey)) {
        ml_Logger("ml_RegOpenKeyEx has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegOpenKeyExW(key, wSubKey.arg(), options, access, result);
}

// What RegOpenKeyExA calls in a program built with the drop-in header.
__typeof__(RegOpenKeyExA) ml_RegOpenKeyExA;
LONG WINAPI ml_RegOpenKeyExA(HKEY key, const char *subKey, DWORD options, REGSAM access, PHKEY result)
{
    return ml_RegOpenKeyEx(key, subKey, options, access, result);
}
ML_IMPORT_POINTER(ml_RegOpenKeyExA, 20)

} // extern "C"
