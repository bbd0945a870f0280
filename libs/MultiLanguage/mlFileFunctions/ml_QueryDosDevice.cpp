// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_QueryDosDevice(const char *deviceName, char *target, DWORD size)
{
    Wide wDevice;
    if (!wDevice.fromOptional(deviceName)) {
        ml_Logger("ml_QueryDosDevice has failed to convert 1 at %d line, file: %s", ML_AT);
        return 0;
    }
    // The heap block holds size + 1 units; a size whose block would not fit
    // a DWORD count of bytes is refused.
    if (target != NULL && size > MAXDWORD / sizeof(WCHAR) - 1) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // The list is written into the member's own buffer also without a target,
    // so that a size query is answered in UTF-8 bytes.
    WCHAR local[2 * Wide::Units];
    WCHAR *list = local;
    DWORD capacity = 2 * Wide::Units;
    WCHAR *heap = NULL;
    if (target != NULL && size > capacity) {
        heap = static_cast<WCHAR *>(malloc((static_cast<size_t>(size) + 1) * sizeof(WCHAR)));
        if (heap != NULL) {
            list = heap;
            capacity = size + 1;
        }
    }
    const DWORD units = QueryDosDeviceW(wDevice.arg(), list, capacity);
    const DWORD error = GetLastError();
    DWORD result = 0;
    if (units > 0) {
        if (!listToCaller(list, units, target, size))
            ml_Logger("ml_QueryDosDevice has failed to convert 2 at %d line, file: %s", ML_AT);
        result = ml_GetMultiSzUTF16toUTF8Size(list, static_cast<int>(units));
    }
    free(heap);
    SetLastError(error);
    return result;
}

} // extern "C"
