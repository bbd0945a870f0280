// Profile (INI) files and the registry, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_WritePrivateProfileString(const char *section, const char *key, const char *value, const char *fileName)
{
    Wide wSection, wFile, wKey, wValue;
    if (!wSection.from(section) || !wFile.from(fileName)) {
        ml_Logger("ml_WritePrivateProfileString has failed to convert at %d line, file: %s function params(%s,%s,%s,%s)",
                  ML_AT, section, key, value, fileName);
        return -1;
    }
    if (!wKey.fromOptional(key)) {
        ml_Logger("ml_WritePrivateProfileString has failed to convert at %d line, file: %s function params(%s)", ML_AT,
                  key);
        return -1;
    }
    if (!wValue.fromOptional(value)) {
        ml_Logger("ml_WritePrivateProfileString has failed to convert at %d line, file: %s function params(%s)", ML_AT,
                  value);
        return -1;
    }
    const BOOL written = WritePrivateProfileStringW(wSection.arg(), wKey.arg(), wValue.arg(), wFile.arg());
    if (!written)
        ml_Logger("WritePrivateProfileStringW has failed with error dwError=%d", static_cast<int>(GetLastError()));
    return written;
}

} // extern "C"
