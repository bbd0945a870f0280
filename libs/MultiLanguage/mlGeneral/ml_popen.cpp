// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

FILE *ml_popen(const char *command, const char *mode)
{
    Wide wCommand, wMode;
    int ok = 1;
    ok &= wCommand.from(command);
    ok &= wMode.from(mode);
    if (!ok) {
        ml_Logger("ml_popen has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wCommand, &wMode});
        return NULL;
    }
    return _wpopen(wCommand.arg(), wMode.arg());
}

} // extern "C"
