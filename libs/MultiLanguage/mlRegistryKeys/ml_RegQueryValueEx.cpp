// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegQueryValueEx(HKEY key, const char *valueName, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size)
{
    Wide wName;
    if (!wName.from(valueName)) {
        ml_Logger("ml_RegQueryValueEx has failed to convert 1 at %d line, file: %s", ML_AT);
        return -1;
    }
    const DWORD callerSize = size != NULL ? *size : 0;

    // The member needs the type to choose a conversion, whether or not the
    // caller asked for it.
    DWORD ownType = REG_NONE;
    LPDWORD valueType = type != NULL ? type : &ownType;
    const LONG result = RegQueryValueExW(key, wName.arg(), reserved, valueType, data, size);
    if (result != ERROR_SUCCESS || data == NULL || size == NULL || !(isText(*valueType) || *valueType == REG_LINK))
        return result;

    char utf8[ML_MAX_CHAR];
    memset(utf8, 0, sizeof utf8);
    DWORD utf8Size = 0;
    if (!dataToUtf8(data, *size, utf8, sizeof utf8, &utf8Size)) {
        ml_Logger("ml_RegQueryValueEx has failed to convert 2 at %d line, file: %s", ML_AT);
        return -1;
    }
    *size = utf8Size;
    if (utf8Size > callerSize)
        return ERROR_MORE_DATA;
    memcpy(data, utf8, utf8Size);
    // Data stored without its terminator arrives terminated, room permitting.
    if (utf8Size < callerSize)
        data[utf8Size] = 0;
    return ERROR_SUCCESS;
}

// What RegQueryValueExA calls in a program built with the drop-in header.
__typeof__(RegQueryValueExA) ml_RegQueryValueExA;
LONG WINAPI ml_RegQueryValueExA(HKEY key, const char *valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                LPDWORD size)
{
    return ml_RegQueryValueEx(key, valueName, reserved, type, data, size);
}
ML_IMPORT_POINTER(ml_RegQueryValueExA, 24)

} // extern "C"
