// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_GetServiceKeyName(SC_HANDLE manager, const char *displayName, char *serviceName, LPDWORD size)
{
    Wide wDisplay;
    if (!wDisplay.from(displayName)) {
        ml_Logger("ml_GetServiceKeyName has failed to convert 1 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    if (size == NULL)
        return GetServiceKeyNameW(manager, wDisplay.arg(), NULL, NULL);

    // Bytes to characters, never more than the wide buffer holds.
    const DWORD kept = *size;
    DWORD units = kept / 2 < DWORD(Wide::Units) ? kept / 2 : DWORD(Wide::Units);
    Wide key;
    key.out()[0] = L'\0';
    if (!GetServiceKeyNameW(manager, wDisplay.arg(), key.out(), &units)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            return FALSE;
        // units is the name's length without its zero. A retry needs room
        // for the zero in characters and for the UTF-8 form in bytes; the
        // name itself tells the latter, or 3 bytes per unit at most.
        LastErrorKeeper keep;
        const DWORD length = units;
        DWORD whole = Wide::Units;
        const DWORD bytes = GetServiceKeyNameW(manager, wDisplay.arg(), key.out(), &whole) ? utf8Size(key.arg())
                                                                                            : 3 * length + 1;
        *size = larger(2 * (length + 1), bytes);
        return FALSE;
    }
    if (!ml::toCaller(key.arg(), serviceName, kept)) {
        *size = larger(2 * (units + 1), utf8Size(key.arg()));
        ml_Logger("ml_GetServiceKeyName has failed to convert 2 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    *size = utf8Size(key.arg()) - 1;
    return TRUE;
}

// What GetServiceKeyNameA calls in a program built with the drop-in header.
__typeof__(GetServiceKeyNameA) ml_GetServiceKeyNameA;
BOOL WINAPI ml_GetServiceKeyNameA(SC_HANDLE manager, const char *displayName, char *serviceName, LPDWORD size)
{
    return ml_GetServiceKeyName(manager, displayName, serviceName, size);
}
ML_IMPORT_POINTER(ml_GetServiceKeyNameA, 16)

} // extern "C"
