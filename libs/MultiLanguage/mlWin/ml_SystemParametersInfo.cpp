// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SystemParametersInfo(UINT action, UINT param, PVOID value, UINT winIni)
{
    return SystemParametersInfoA(action, param, value, winIni);
}

} // extern "C"
