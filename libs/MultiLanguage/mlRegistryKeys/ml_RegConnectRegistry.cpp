// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegConnectRegistry(const char *machineName, HKEY key, PHKEY result)
{
    Wide wMachine;
    if (!wMachine.fromOptional(machineName)) {
        ml_Logger("ml_RegConnectRegistry has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegConnectRegistryW(wMachine.arg(), key, result);
}

// What RegConnectRegistryA calls in a program built with the drop-in header.
__typeof__(RegConnectRegistryA) ml_RegConnectRegistryA;
LONG WINAPI ml_RegConnectRegistryA(const char *machineName, HKEY key, PHKEY result)
{
    return ml_RegConnectRegistry(machineName, key, result);
}
ML_IMPORT_POINTER(ml_RegConnectRegistryA, 12)

} // extern "C"
