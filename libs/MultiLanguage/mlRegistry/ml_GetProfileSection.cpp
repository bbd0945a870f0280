// Profile (INI) files and the registry, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetProfileSection(const char *section, char *out, DWORD size)
{
    return GetProfileSectionA(section, out, size);
}

} // extern "C"
