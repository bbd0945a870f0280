// Profile (INI) files and the registry, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_WriteProfileString(const char *section, const char *key, const char *value)
{
    return WriteProfileStringA(section, key, value);
}

} // extern "C"
