// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegReplaceKey(HKEY key, const char *subKey, const char *newFile, const char *oldFile)
{
    Wide wSubKey, wNew, wOld;
    bool ok = wSubKey.fromOptional(subKey);
    ok = wNew.fromOptional(newFile) && ok;
    ok = wOld.fromOptional(oldFile) && ok;
    if (!ok) {
        ml_Logger("ml_RegReplaceKey has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegReplaceKeyW(key, wSubKey.arg(), wNew.arg(), wOld.arg());
}

// What RegReplaceKeyA calls in a program built with the drop-in header.
__typeof__(RegReplaceKeyA) ml_RegReplaceKeyA;
LONG WINAPI ml_RegReplaceKeyA(HKEY key, const char *subKey, const char *newFile, const char *oldFile)
{
    return ml_RegReplaceKey(key, subKey, newFile, oldFile);
}
ML_IMPORT_POINTER(ml_RegReplaceKeyA, 16)

} // extern "C"
