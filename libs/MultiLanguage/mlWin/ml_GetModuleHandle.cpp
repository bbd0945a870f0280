// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

HMODULE ml_GetModuleHandle(const char *moduleName)
{
    Wide wName;
    if (!wName.fromOptional(moduleName)) {
        ml_Logger("ml_GetModuleHandle has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return GetModuleHandleW(wName.arg());
}

} // extern "C"
