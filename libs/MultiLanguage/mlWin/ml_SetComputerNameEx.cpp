// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SetComputerNameEx(COMPUTER_NAME_FORMAT type, const char *name)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_SetComputerNameEx has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetComputerNameExW(type, wName.arg());
}

// What SetComputerNameExA calls in a program built with the drop-in header.
__typeof__(SetComputerNameExA) ml_SetComputerNameExA;
BOOL WINAPI ml_SetComputerNameExA(COMPUTER_NAME_FORMAT type, const char *name)
{
    return ml_SetComputerNameEx(type, name);
}
ML_IMPORT_POINTER(ml_SetComputerNameExA, 8)

} // extern "C"
