// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegDeleteValue(HKEY key, const char *valueName)
{
    Wide wName;
    if (!wName.fromOptional(valueName)) {
        ml_Logger("ml_RegDeleteValue has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegDeleteValueW(key, wName.arg());
}

} // extern "C"
