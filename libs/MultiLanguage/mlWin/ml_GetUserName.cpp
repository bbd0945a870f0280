// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_GetUserName(char *buffer, LPDWORD size)
{
    Wide name;
    DWORD units = Wide::Units;
    if (!GetUserNameW(name.out(), &units)) {
        ml_Logger("ml_GetUserName has failed to convert 1 at %d line, file: %s", ML_AT);
        *size = units * 4;
        return FALSE;
    }
    if (buffer == NULL)
        return TRUE;
    if (!toCaller(name.out(), buffer, *size)) {
        *size = utf8Size(name.out());
        ml_Logger("ml_GetUserName has failed to convert 2 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    *size = utf8Length(name.out());
    return TRUE;
}

} // extern "C"
