// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetModuleFileNameEx(HANDLE process, HMODULE module, char *buffer, DWORD size)
{
    // The platform always writes into our own buffer: a caller's NULL buffer
    // is never handed on behind a capacity.
    WCHAR path[kShortUnits];
    const DWORD n = GetModuleFileNameExW(process, module, path, kShortUnits);
    if (n == 0)
        return 0;
    if (n >= DWORD(kShortUnits)) // cut
        return unfilled("ml_GetModuleFileNameEx has failed to convert at %d line, file: %s", __LINE__);
    if (buffer == NULL)
        return utf8Length(path);
    if (!toCaller(path, buffer, size)) {
        ml_Logger("ml_GetModuleFileNameEx has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return utf8Length(path);
}

// What K32GetModuleFileNameExA calls in a program built with the drop-in header.
__typeof__(K32GetModuleFileNameExA) ml_K32GetModuleFileNameExA;
DWORD WINAPI ml_K32GetModuleFileNameExA(HANDLE process, HMODULE module, char *buffer, DWORD size)
{
    return ml_GetModuleFileNameEx(process, module, buffer, size);
}
ML_IMPORT_POINTER(ml_K32GetModuleFileNameExA, 16)

} // extern "C"
