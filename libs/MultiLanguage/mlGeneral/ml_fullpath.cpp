// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_fullpath(char *absPath, const char *relPath, size_t maxLength)
{
    Wide wRelative;
    if (!wRelative.from(relPath)) {
        ml_Logger("ml_fullpath has failed to convert 1 at %d line, file: %s", ML_AT);
        refuse({&wRelative});
        return NULL;
    }
    InPlace path(absPath, maxLength);
    if (!path.took(_wfullpath(path.out(), wRelative.arg(), maxLength / 2)))
        return NULL;
    if (!path.toUtf8()) {
        ml_Logger("ml_fullpath has failed to convert 2 at %d line, file: %s", ML_AT);
        return NULL;
    }
    return absPath;
}

} // extern "C"
