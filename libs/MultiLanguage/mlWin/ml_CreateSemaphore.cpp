// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

HANDLE ml_CreateSemaphore(LPSECURITY_ATTRIBUTES attributes, LONG initialCount, LONG maximumCount, const char *name)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_CreateSemaphore has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return CreateSemaphoreW(attributes, initialCount, maximumCount, wName.arg());
}

// What CreateSemaphoreA calls in a program built with the drop-in header.
__typeof__(CreateSemaphoreA) ml_CreateSemaphoreA;
HANDLE WINAPI ml_CreateSemaphoreA(LPSECURITY_ATTRIBUTES attributes, LONG initialCount, LONG maximumCount,
                                  const char *name)
{
    return ml_CreateSemaphore(attributes, initialCount, maximumCount, name);
}
ML_IMPORT_POINTER(ml_CreateSemaphoreA, 16)

} // extern "C"
