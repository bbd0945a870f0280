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

} // extern "C"
