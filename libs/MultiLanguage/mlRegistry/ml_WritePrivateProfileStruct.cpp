// Profile (INI) files and the registry, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_WritePrivateProfileStruct(const char *section, const char *key, LPVOID structure, UINT size,
                                  const char *fileName)
{
    Wide wSection, wKey, wFile;
    if (!wSection.from(section) || !wKey.from(key) || !wFile.from(fileName)) {
        ml_Logger("ml_WritePrivateProfileStruct has failed to convert at %d line, file: %s function params(%s,%s,%s)",
                  ML_AT, section, key, fileName);
        return -1;
    }
    const BOOL written = WritePrivateProfileStructW(wSection.arg(), wKey.arg(), structure, size, wFile.arg());
    if (!written)
        ml_Logger("WritePrivateProfileStructW has failed with error dwError=%d", static_cast<int>(GetLastError()));
    return written;
}

} // extern "C"
