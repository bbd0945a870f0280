// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_stat(const char *path, ml_stat_t *buffer)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_stat has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return wideStat(wPath.arg(), buffer);
}

} // extern "C"
