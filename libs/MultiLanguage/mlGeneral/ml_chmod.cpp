// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_chmod(const char *filename, int pmode)
{
    Wide wName;
    if (!wName.from(filename)) {
        ml_Logger("ml_chmod has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wName});
        return -1;
    }
    return _wchmod(wName.arg(), pmode);
}

} // extern "C"
