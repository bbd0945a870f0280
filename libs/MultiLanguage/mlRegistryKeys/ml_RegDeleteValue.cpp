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

// What RegDeleteValueA calls in a program built with the drop-in header.
__typeof__(RegDeleteValueA) ml_RegDeleteValueA;
LONG WINAPI ml_RegDeleteValueA(HKEY key, const char *valueName)
{
    return ml_RegDeleteValue(key, valueName);
}
ML_IMPORT_POINTER(ml_RegDeleteValueA, 8)

} // extern "C"
