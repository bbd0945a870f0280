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

} // extern "C"
