// Profile (INI) files and the registry, in UTF-8.
#include "shared.h"

extern "C" {

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
    if (!ml::toCaller(value.out(), out, size)) {
        ml_Logger("ml_GetPrivateProfileSectionNames has failed to convert 2 at %d line, file: %s", ML_AT);
        return 0;
    }
    return copied;
}

} // extern "C"
