// Profile (INI) files and the registry, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetProfileString(const char *section, const char *key, const char *defaultValue, char *out, DWORD size)
{
    return GetProfileStringA(section, key, defaultValue, out, size);
}

} // extern "C"
