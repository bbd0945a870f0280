// Profile (INI) files and the registry, in UTF-8.
#include "shared.h"

extern "C" {

UINT ml_GetPrivateProfileInt(const char *section, const char *key, INT defaultValue, const char *fileName)
{
    Wide wSection, wKey, wFile;
    if (!wSection.from(section) || !wKey.from(key) || !wFile.from(fileName)) {
        ml_Logger("ml_GetPrivateProfileInt has failed to convert at %d line, file: %s function params(%s,%s,%s)", ML_AT,
                  section, key, fileName);
        return static_cast<UINT>(-1);
    }
    return GetPrivateProfileIntW(wSection.arg(), wKey.arg(), defaultValue, wFile.arg());
}

} // extern "C"
