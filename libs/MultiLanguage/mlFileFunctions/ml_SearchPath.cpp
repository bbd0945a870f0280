// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_SearchPath(const char *path, const char *fileName, const char *extension, DWORD size, char *buffer,
                    char **filePart)
{
    Wide wPath, wFile, wExtension;
    bool converted = wPath.fromOptional(path);
    if (!wFile.fromOptional(fileName))
        converted = false;
    if (!wExtension.fromOptional(extension))
        converted = false;
    if (!converted) {
        ml_Logger("ml_SearchPath has failed to convert 1 at %d line, file: %s", ML_AT);
        return 0;
    }
    // Without a buffer the platform reports the units the path needs.
    Wide found;
    const DWORD units = SearchPathW(wPath.arg(), wFile.arg(), wExtension.arg(), buffer != NULL ? Wide::Units : 0,
                                    buffer != NULL ? found.out() : NULL, NULL);
    if (units == 0 || buffer == NULL)
        return units;
    if (!fitted(units)) {
        ml_Logger("ml_SearchPath has failed to convert 2 at %d line, file: %s", ML_AT);
        return tooLong();
    }
    if (!ml::toCaller(found.arg(), buffer, size)) {
        ml_Logger("ml_SearchPath has failed to convert 2 at %d line, file: %s", ML_AT);
        return 0;
    }
    if (filePart != NULL) {
        char *slash = strrchr(buffer, '\\');
        *filePart = slash != NULL ? slash + 1 : buffer;
    }
    return units;
}

} // extern "C"
