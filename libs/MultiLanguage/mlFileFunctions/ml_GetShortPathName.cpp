// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetShortPathName(const char *longPath, char *buffer, DWORD size)
{
    Wide wLong;
    if (!wLong.fromOptional(longPath)) {
        ml_Logger("ml_GetShortPathName has failed to convert 1 at %d line, file: %s", ML_AT);
        return 0;
    }
    // Written into the conversion buffer even for a size query, which can
    // then be answered in UTF-8 bytes.
    Wide shortPath;
    const DWORD units = GetShortPathNameW(wLong.arg(), shortPath.out(), Wide::Units);
    if (units == 0)
        return 0;
    if (!fitted(units)) {
        ml_Logger("ml_GetShortPathName has failed to convert 2 at %d line, file: %s", ML_AT);
        return tooLong();
    }
    if (!ml::toCaller(shortPath.arg(), buffer, size)) {
        ml_Logger("ml_GetShortPathName has failed to convert 2 at %d line, file: %s", ML_AT);
        return utf8Size(shortPath.arg());
    }
    return utf8Size(shortPath.arg()) - 1;
}

// What GetShortPathNameA calls in a program built with the drop-in header.
__typeof__(GetShortPathNameA) ml_GetShortPathNameA;
DWORD WINAPI ml_GetShortPathNameA(const char *longPath, char *buffer, DWORD size)
{
    return ml_GetShortPathName(longPath, buffer, size);
}
ML_IMPORT_POINTER(ml_GetShortPathNameA, 12)

} // extern "C"
