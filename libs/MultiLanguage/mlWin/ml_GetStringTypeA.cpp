// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_GetStringTypeA(LCID locale, DWORD infoType, LPCSTR text, int length, LPWORD types)
{
    return GetStringTypeA(locale, infoType, text, length, types);
}

} // extern "C"
