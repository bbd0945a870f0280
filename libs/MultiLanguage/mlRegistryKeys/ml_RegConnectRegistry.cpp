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

} // extern "C"
