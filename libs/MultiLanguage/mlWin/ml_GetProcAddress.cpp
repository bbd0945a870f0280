// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

FARPROC ml_GetProcAddress(HMODULE module, LPCSTR procName)
{
    return GetProcAddress(module, procName);
}

} // extern "C"
