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

} // extern "C"
