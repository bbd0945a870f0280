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

} // extern "C"
