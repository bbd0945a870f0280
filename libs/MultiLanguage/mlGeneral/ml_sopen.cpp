// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_sopen(const char *filename, int oflag, int shflag, ...)
{
    Wide wName;
    if (!wName.from(filename)) {
        ml_Logger("ml_sopen has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wName});
        return -1;
    }
    if (oflag & _O_CREAT) {
        va_list args;
        va_start(args, shflag);
        const int pmode = va_arg(args, int);
        va_end(args);
        return _wsopen(wName.arg(), oflag, shflag, pmode);
    }
    return _wsopen(wName.arg(), oflag, shflag);
}

} // extern "C"
