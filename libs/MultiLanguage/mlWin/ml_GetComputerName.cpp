// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_GetComputerName(char *buffer, LPDWORD size)
{
    Wide name;
    DWORD units = Wide::Units;
    if (!GetComputerNameW(name.out(), &units)) {
        *size = units;
        return FALSE;
    }
    if (buffer == NULL)
        return TRUE;
    if (!toCaller(name.out(), buffer, *size)) {
        *size = utf8Size(name.out());
        ml_Logger("ml_GetComputerName has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    *size = utf8Length(name.out());
    return TRUE;
}

} // extern "C"
