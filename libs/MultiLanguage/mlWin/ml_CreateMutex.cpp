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

} // extern "C"
