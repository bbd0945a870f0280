// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

HMODULE ml_LoadLibraryEx(const char *fileName, HANDLE file, DWORD flags)
{
    Wide wName;
    if (!wName.from(fileName)) {
        ml_Logger("ml_LoadLibraryEx has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return LoadLibraryExW(wName.arg(), file, flags);
}

// What LoadLibraryExA calls in a program built with the drop-in header.
__typeof__(LoadLibraryExA) ml_LoadLibraryExA;
HMODULE WINAPI ml_LoadLibraryExA(const char *fileName, HANDLE file, DWORD flags)
{
    return ml_LoadLibraryEx(fileName, file, flags);
}
ML_IMPORT_POINTER(ml_LoadLibraryExA, 12)

} // extern "C"
