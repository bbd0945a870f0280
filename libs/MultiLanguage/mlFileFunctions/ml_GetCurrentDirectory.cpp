// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetCurrentDirectory(DWORD size, char *buffer)
{
    // Written into the conversion buffer also without a caller's buffer, so
    // that a size query is answered in UTF-8 bytes.
    Wide folder;
    const DWORD units = GetCurrentDirectoryW(Wide::Units, folder.out());
    if (units == 0)
        return 0;
    if (!fitted(units)) {
        ml_Logger("ml_GetCurrentDirectory has failed to convert at %d line, file: %s", ML_AT);
        return tooLong();
    }
    if (!ml::toCaller(folder.arg(), buffer, size)) {
        ml_Logger("ml_GetCurrentDirectory has failed to convert at %d line, file: %s", ML_AT);
        return utf8Size(folder.arg());
    }
    return utf8Size(folder.arg()) - 1;
}

// What GetCurrentDirectoryA calls in a program built with the drop-in header.
__typeof__(GetCurrentDirectoryA) ml_GetCurrentDirectoryA;
DWORD WINAPI ml_GetCurrentDirectoryA(DWORD size, char *buffer)
{
    return ml_GetCurrentDirectory(size, buffer);
}
ML_IMPORT_POINTER(ml_GetCurrentDirectoryA, 8)

} // extern "C"
