// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

UINT ml_MsiGetProperty(MSIHANDLE install, const char *name, char *value, LPDWORD size)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_MsiGetProperty has failed to convert at %d line, file: %s", ML_AT);
        return ERROR_INVALID_PARAMETER;
    }
    // The value always comes whole into the wide buffer when the caller
    // wants it or its size, so what comes back is a UTF-8 size.
    Wide wValue;
    wValue.out()[0] = L'\0';
    DWORD units = Wide::Units;
    const bool wanted = value != NULL || size != NULL;
    const UINT result =
        MsiGetPropertyW(install, wName.arg(), wanted ? wValue.out() : NULL, size != NULL ? &units : NULL);
    if (result == ERROR_MORE_DATA && size != NULL)
        *size = 2 * units; // 2048 units or more: no buffer of ours holds it
    if (result != ERROR_SUCCESS || size == NULL)
        return result;

    const DWORD needed = utf8Size(wValue.arg());
    if (value == NULL || *size == 0) {
        *size = larger(2 * units, needed);
        return value == NULL ? ERROR_SUCCESS : ERROR_MORE_DATA;
    }
    const bool converted = wValue.to(value, ml::clampSize(*size));
    *size = needed;
    return converted ? ERROR_SUCCESS : ERROR_MORE_DATA;
}

} // extern "C"
