// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

long long ml_stati64(const char *path, ml_stati64_t *buffer)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_stati64 has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return wideStati64(wPath.arg(), buffer);
}

} // extern "C"
