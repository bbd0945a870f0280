// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

HANDLE ml_OpenMutex(DWORD access, BOOL inheritHandle, const char *name)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_CreateMutex has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return OpenMutexW(access, inheritHandle, wName.arg());
}

// What OpenMutexA calls in a program built with the drop-in header.
__typeof__(OpenMutexA) ml_OpenMutexA;
HANDLE WINAPI ml_OpenMutexA(DWORD access, BOOL inheritHandle, const char *name)
{
    return ml_OpenMutex(access, inheritHandle, name);
}
ML_IMPORT_POINTER(ml_OpenMutexA, 12)

} // extern "C"
