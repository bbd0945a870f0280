// Profile (INI) files and the registry, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_GetPrivateProfileStruct(const char *section, const char *key, LPVOID structure, UINT size,
                                const char *fileName)
{
    Wide wSection, wKey, wFile;
    if (!wSection.from(section) || !wKey.from(key) || !wFile.from(fileName)) {
        ml_Logger("ml_GetPrivateProfileString has failed to convert at %d line, file: %s function params(%s,%s,%s)", ML_AT,
                  section, key, fileName);
        return -1;
    }
    const BOOL read = GetPrivateProfileStructW(wSection.arg(), wKey.arg(), structure, size, wFile.arg());
    if (!read) {
        ml_Logger("GetPrivateProfileStructW has failed with error dwError=%d", static_cast<int>(GetLastError()));
        return 0;
    }
    return read;
}

} // extern "C"
