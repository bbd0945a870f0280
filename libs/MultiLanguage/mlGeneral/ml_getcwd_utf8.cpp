// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_getcwd_utf8(char *buffer, int size)
{
    // The folder of any length, in a block the runtime allocates.
    return deliverPath(_wgetcwd(NULL, 0), buffer, size < 0 ? 0 : static_cast<size_t>(size), "ml_getcwd_utf8");
}

} // extern "C"
