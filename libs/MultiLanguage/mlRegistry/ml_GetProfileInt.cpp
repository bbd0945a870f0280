// Profile (INI) files and the registry, in UTF-8.
#include "shared.h"

extern "C" {

UINT ml_GetProfileInt(const char *section, const char *key, INT defaultValue)
{
    return GetProfileIntA(section, key, defaultValue);
}

} // extern "C"
