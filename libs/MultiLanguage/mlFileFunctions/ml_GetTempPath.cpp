// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetTempPath(DWORD size, char *buffer)
{
    // Written into the conversion buffer also without a caller's buffer, so
    // that a size query is answered in UTF-8 bytes.
    Wide folder;
    const DWORD units = GetTempPathW(Wide::Units, folder.out());
    const DWORD error = GetLastError();
    if (units == 0) {
        SetLastError(error);
        return 0;
    }
    if (!fitted(units)) {
        ml_Logger("ml_GetTempPath has failed to convert at %d line, file: %s", ML_AT);
        return tooLong();
    }
    DWORD result;
    if (ml::toCaller(folder.arg(), buffer, size)) {
        result = static_cast<DWORD>(ml_strlen(buffer));
    } else {
        ml_Logger("ml_GetTempPath has failed to convert at %d line, file: %s", ML_AT);
        result = utf8Size(folder.arg());
    }
    SetLastError(error);
    return result;
}

// What GetTempPathA calls in a program built with the drop-in header.
__typeof__(GetTempPathA) ml_GetTempPathA;
DWORD WINAPI ml_GetTempPathA(DWORD size, char *buffer)
{
    return ml_GetTempPath(size, buffer);
}
ML_IMPORT_POINTER(ml_GetTempPathA, 8)

} // extern "C"
