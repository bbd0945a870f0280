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

} // extern "C"
