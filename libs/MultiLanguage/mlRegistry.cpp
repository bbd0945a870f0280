// Profile (INI) files and the registry, in UTF-8.
#include <MultiLanguage/mlWinSystem.h>

#include "mlFacade.h"

using ml::Wide;

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

DWORD ml_GetPrivateProfileString(const char *section, const char *key, const char *defaultValue, char *out,
                                 DWORD size, const char *fileName)
{
    Wide wSection, wKey, wDefault, wFile;
    if (!wSection.fromOptional(section) || !wKey.fromOptional(key) || !wDefault.fromOptional(defaultValue) ||
        !wFile.from(fileName))
        return 0;

    Wide value;
    const DWORD copied = GetPrivateProfileStringW(wSection.arg(), wKey.arg(), wDefault.arg(), value.out(),
                                                  Wide::Units, wFile.arg());
    if (copied == Wide::Units - 1) {
        ml_Logger("GetPrivateProfileStringW has failed with error dwError=%d", static_cast<int>(GetLastError()));
        return 0;
    }
    if (!value.to(out, ml::clampSize(size))) {
        ml_Logger("ml_GetPrivateProfileSectionNames has failed to convert 2 at %d line, file: %s", ML_AT);
        return 0;
    }
    return copied;
}

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
