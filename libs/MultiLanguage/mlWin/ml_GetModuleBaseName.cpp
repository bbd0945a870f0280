// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetModuleBaseName(HANDLE process, HMODULE module, char *buffer, DWORD size)
{
    Wide name;
    const DWORD n = GetModuleBaseNameW(process, module, name.out(), Wide::Units);
    if (n == 0)
        return 0;
    if (n >= DWORD(Wide::Units)) // cut, and not terminated
        return unfilled("ml_GetModuleBaseName has failed to convert at %d line, file: %s", __LINE__);
    if (!toCaller(name.out(), buffer, size)) {
        ml_Logger("ml_GetModuleBaseName has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return n;
}

} // extern "C"
