// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

#include <sys/utime.h>

extern "C" {

int ml_utime(const char *path, struct _utimbuf *times)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_utime has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return _wutime(wPath.arg(), times);
}

} // extern "C"
