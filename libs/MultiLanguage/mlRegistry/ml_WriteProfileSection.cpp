// Profile (INI) files and the registry, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_WriteProfileSection(const char *section, const char *content)
{
    return WriteProfileSectionA(section, content);
}

} // extern "C"
