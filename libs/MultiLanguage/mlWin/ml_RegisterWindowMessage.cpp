// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

UINT ml_RegisterWindowMessage(const char *name)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_RegisterWindowMessage has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return RegisterWindowMessageW(wName.arg());
}

} // extern "C"
