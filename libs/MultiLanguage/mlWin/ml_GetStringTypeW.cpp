// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_GetStringTypeW(DWORD infoType, LPCWSTR text, int length, LPWORD types)
{
    return GetStringTypeW(infoType, text, length, types);
}

} // extern "C"
