// Profile (INI) files and the registry, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetPrivateProfileSection(const char *section, char *out, DWORD size, const char *fileName)
{
    Wide wSection, wFile;
    if (!wSection.from(section) || !wFile.from(fileName)) {
        ml_Logger("ml_GetPrivateProfileSection has failed to convert at %d line, file: %s function params(%s,%s)", ML_AT,
                  section, fileName);
        return 0;
    }
    Wide list;
    const DWORD copied = GetPrivateProfileSectionW(wSection.arg(), list.out(), Wide::Units, wFile.arg());
    if (copied == kCutList) {
        ml_Logger("GetPrivateProfileSectionW has failed with error dwError=%d", static_cast<int>(GetLastError()));
        return 0;
    }
    if (!listToUtf8(list.out(), copied, out, size)) {
        ml_Logger("ml_GetPrivateProfileSection has failed to convert 2 at %d line, file: %s", ML_AT);
        return 0;
    }
    return copied;
}

} // extern "C"
