// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetModuleFileName(HMODULE module, char *buffer, DWORD size)
{
    Wide path;
    const DWORD n = GetModuleFileNameW(module, path.out(), Wide::Units);
    if (n == 0)
        return 0;
    if (n >= DWORD(Wide::Units)) // cut, and perhaps not terminated
        return unfilled("ml_GetModuleFileName has failed to convert at %d line, file: %s", __LINE__);
    if (buffer == NULL)
        return utf8Length(path.out());
    if (!toCaller(path.out(), buffer, size)) {
        ml_Logger("ml_GetModuleFileName has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return utf8Length(path.out());
}

// What GetModuleFileNameA calls in a program built with the drop-in header.
__typeof__(GetModuleFileNameA) ml_GetModuleFileNameA;
DWORD WINAPI ml_GetModuleFileNameA(HMODULE module, char *buffer, DWORD size)
{
    return ml_GetModuleFileName(module, buffer, size);
}
ML_IMPORT_POINTER(ml_GetModuleFileNameA, 12)

} // extern "C"
