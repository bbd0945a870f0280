// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_open(const char *filename, int oflag, ...)
{
    Wide wName;
    if (!wName.from(filename)) {
        ml_Logger("ml_open has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wName});
        return -1;
    }
    if (oflag & _O_CREAT) {
        va_list args;
        va_start(args, oflag);
        const int pmode = va_arg(args, int);
        va_end(args);
        return _wopen(wName.arg(), oflag, pmode);
    }
    return _wopen(wName.arg(), oflag);
}

} // extern "C"
