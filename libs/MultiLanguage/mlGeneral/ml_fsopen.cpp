// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

FILE *ml_fsopen(const char *filename, const char *mode, int shflag)
{
    Wide wName, wMode;
    int ok = 1;
    ok &= wName.from(filename);
    ok &= wMode.from(mode);
    if (!ok) {
        ml_Logger("ml_fsopen has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wName, &wMode});
        return NULL;
    }
    return _wfsopen(wName.arg(), wMode.arg(), shflag);
}

} // extern "C"
