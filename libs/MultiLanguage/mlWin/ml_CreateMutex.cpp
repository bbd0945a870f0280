// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

HANDLE ml_CreateMutex(LPSECURITY_ATTRIBUTES attributes, BOOL initialOwner, const char *name)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_CreateMutex has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return CreateMutexW(attributes, initialOwner, wName.arg());
}

// What CreateMutexA calls in a program built with the drop-in header.
__typeof__(CreateMutexA) ml_CreateMutexA;
HANDLE WINAPI ml_CreateMutexA(LPSECURITY_ATTRIBUTES attributes, BOOL initialOwner, const char *name)
{
    return ml_CreateMutex(attributes, initialOwner, name);
}
ML_IMPORT_POINTER(ml_CreateMutexA, 12)

} // extern "C"
