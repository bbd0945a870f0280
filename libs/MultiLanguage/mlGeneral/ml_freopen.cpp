// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

FILE *ml_freopen(const char *path, const char *mode, FILE *stream)
{
    Wide wPath, wMode;
    int ok = 1;
    ok &= wPath.from(path);
    ok &= wMode.from(mode);
    if (!ok) {
        ml_Logger("ml_freopen has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath, &wMode});
        return NULL;
    }
    return _wfreopen(wPath.arg(), wMode.arg(), stream);
}

} // extern "C"
