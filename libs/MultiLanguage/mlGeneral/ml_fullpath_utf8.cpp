// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_fullpath_utf8(char *absPath, const char *relPath, size_t maxLength)
{
    Wide wRelative;
    if (!wRelative.fromOptional(relPath)) {
        ml_Logger("ml_fullpath_utf8 has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wRelative});
        return NULL;
    }
    // The full path of any length, in a block the runtime allocates.
    return deliverPath(_wfullpath(NULL, wRelative.arg(), 0), absPath, maxLength, "ml_fullpath_utf8");
}

} // extern "C"
