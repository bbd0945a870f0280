// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_creat(const char *path, int mode)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_creat has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return _wcreat(wPath.arg(), mode);
}

} // extern "C"
