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

} // extern "C"
