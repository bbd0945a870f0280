// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_GetComputerNameEx(COMPUTER_NAME_FORMAT type, char *buffer, LPDWORD size)
{
    Wide name;
    DWORD units = Wide::Units;
    if (!GetComputerNameExW(type, name.out(), &units))
        return FALSE;
    if (buffer == NULL)
        return TRUE;
    if (!toCaller(name.out(), buffer, *size)) {
        *size = utf8Size(name.out());
        ml_Logger("ml_GetComputerNameEx has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    *size = utf8Length(name.out());
    return TRUE;
}

} // extern "C"
