// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

HANDLE ml_OpenSemaphore(DWORD access, BOOL inheritHandle, const char *name)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_OpenSemaphore has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return OpenSemaphoreW(access, inheritHandle, wName.arg());
}

// What OpenSemaphoreA calls in a program built with the drop-in header.
__typeof__(OpenSemaphoreA) ml_OpenSemaphoreA;
HANDLE WINAPI ml_OpenSemaphoreA(DWORD access, BOOL inheritHandle, const char *name)
{
    return ml_OpenSemaphore(access, inheritHandle, name);
}
ML_IMPORT_POINTER(ml_OpenSemaphoreA, 12)

} // extern "C"
