// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

HANDLE ml_CreateEvent(LPSECURITY_ATTRIBUTES attributes, BOOL manualReset, BOOL initialState, const char *name)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_CreateEvent has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return CreateEventW(attributes, manualReset, initialState, wName.arg());
}

// What CreateEventA calls in a program built with the drop-in header.
__typeof__(CreateEventA) ml_CreateEventA;
HANDLE WINAPI ml_CreateEventA(LPSECURITY_ATTRIBUTES attributes, BOOL manualReset, BOOL initialState, const char *name)
{
    return ml_CreateEvent(attributes, manualReset, initialState, name);
}
ML_IMPORT_POINTER(ml_CreateEventA, 16)

} // extern "C"
