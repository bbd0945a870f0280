// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_stat64(const char *path, struct _stat64 *buffer)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_stat64 has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return _wstat64(wPath.arg(), buffer);
}

} // extern "C"
