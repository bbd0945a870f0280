// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegQueryValue(HKEY key, const char *subKey, char *value, PLONG valueSize)
{
    // The platform allows a NULL size when no value is asked for.
    if (value != NULL && valueSize == NULL)
        return ERROR_INVALID_PARAMETER;
    const LONG callerSize = valueSize != NULL ? *valueSize : 0;
    Wide wSubKey;
    if (!wSubKey.fromOptional(subKey)) {
        ml_Logger("ml_RegQueryValue has failed to convert 1 at %d line, file: %s", ML_AT);
        return -1;
    }
    if (value == NULL)
        return RegQueryValueW(key, wSubKey.arg(), NULL, valueSize);

    Wide wValue;
    LONG capacity = callerSize < 0 ? 0 : (callerSize > Wide::Bytes ? static_cast<LONG>(Wide::Bytes) : callerSize);
    const LONG result = RegQueryValueW(key, wSubKey.arg(), wValue.out(), &capacity);
    if (result != ERROR_SUCCESS) {
        // What the platform needs, in UTF-16 bytes, as without a buffer.
        if (result == ERROR_MORE_DATA)
            *valueSize = capacity;
        return result;
    }
    const bool converted = ml::toCaller(wValue.out(), value, callerSize);
    *valueSize = static_cast<LONG>(ml_GetUTF16toUTF8Size(wValue.out()));
    if (!converted) {
        ml_Logger("ml_RegQueryValue has failed to convert 2 at %d line, file: %s", ML_AT);
        return -1;
    }
    return ERROR_SUCCESS;
}

// What RegQueryValueA calls in a program built with the drop-in header.
__typeof__(RegQueryValueA) ml_RegQueryValueA;
LONG WINAPI ml_RegQueryValueA(HKEY key, const char *subKey, char *value, PLONG valueSize)
{
    return ml_RegQueryValue(key, subKey, value, valueSize);
}
ML_IMPORT_POINTER(ml_RegQueryValueA, 16)

} // extern "C"
