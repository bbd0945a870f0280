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

} // extern "C"
