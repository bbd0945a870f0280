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

// What RegisterWindowMessageA calls in a program built with the drop-in header.
__typeof__(RegisterWindowMessageA) ml_RegisterWindowMessageA;
UINT WINAPI ml_RegisterWindowMessageA(const char *name)
{
    return ml_RegisterWindowMessage(name);
}
ML_IMPORT_POINTER(ml_RegisterWindowMessageA, 4)

} // extern "C"
