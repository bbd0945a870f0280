// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_getcwd(char *buffer, int size)
{
    InPlace folder(buffer, size);
    if (!folder.took(_wgetcwd(folder.out(), size / 2)))
        return NULL;
    if (!folder.toUtf8()) {
        ml_Logger("ml_getcwd has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return buffer;
}

} // extern "C"
