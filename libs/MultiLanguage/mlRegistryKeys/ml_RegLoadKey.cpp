// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegLoadKey(HKEY key, const char *subKey, const char *file)
{
    Wide wSubKey, wFile;
    bool ok = wSubKey.fromOptional(subKey);
    ok = wFile.fromOptional(file) && ok;
    if (!ok) {
        ml_Logger("ml_RegLoadKey has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegLoadKeyW(key, wSubKey.arg(), wFile.arg());
}

// What RegLoadKeyA calls in a program built with the drop-in header.
__typeof__(RegLoadKeyA) ml_RegLoadKeyA;
LONG WINAPI ml_RegLoadKeyA(HKEY key, const char *subKey, const char *file)
{
    return ml_RegLoadKey(key, subKey, file);
}
ML_IMPORT_POINTER(ml_RegLoadKeyA, 12)

} // extern "C"
