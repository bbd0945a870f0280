// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegSaveKey(HKEY key, const char *file, LPSECURITY_ATTRIBUTES security)
{
    Wide wFile;
    if (!wFile.fromOptional(file)) {
        ml_Logger("ml_RegSaveKey has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegSaveKeyW(key, wFile.arg(), security);
}

// What RegSaveKeyA calls in a program built with the drop-in header.
__typeof__(RegSaveKeyA) ml_RegSaveKeyA;
LONG WINAPI ml_RegSaveKeyA(HKEY key, const char *file, LPSECURITY_ATTRIBUTES security)
{
    return ml_RegSaveKey(key, file, security);
}
ML_IMPORT_POINTER(ml_RegSaveKeyA, 12)

} // extern "C"
