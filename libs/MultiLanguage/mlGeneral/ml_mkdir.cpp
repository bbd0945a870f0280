// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_mkdir(const char *path)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_mkdir has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return _wmkdir(wPath.arg());
}

} // extern "C"
