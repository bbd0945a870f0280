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

// What GetModuleHandleA calls in a program built with the drop-in header.
__typeof__(GetModuleHandleA) ml_GetModuleHandleA;
HMODULE WINAPI ml_GetModuleHandleA(const char *moduleName)
{
    return ml_GetModuleHandle(moduleName);
}
ML_IMPORT_POINTER(ml_GetModuleHandleA, 4)

} // extern "C"
