// Profile (INI) files and the registry, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetPrivateProfileSectionNames(char *out, DWORD size, const char *fileName)
{
    Wide wFile;
    if (!wFile.from(fileName)) {
        ml_Logger("ml_GetPrivateProfileSectionNames has failed to convert at %d line, file: %s function params(%s)", ML_AT,
                  fileName);
        return 0;
    }
    Wide list;
    const DWORD copied = GetPrivateProfileSectionNamesW(list.out(), Wide::Units, wFile.arg());
    // Cleared before the result is looked at: a cut list leaves only zeros.
    if (out != NULL)
        memset(out, 0, size);
    if (copied == kCutList) {
        ml_Logger("GetPrivateProfileSectionNamesW has failed with error dwError=%d", static_cast<int>(GetLastError()));
        return 0;
    }
    if (!listToUtf8(list.out(), copied, out, size)) {
        ml_Logger("ml_GetPrivateProfileSectionNames has failed to convert 2 at %d line, file: %s", ML_AT);
        return 0;
    }
    return copied;
}

} // extern "C"
