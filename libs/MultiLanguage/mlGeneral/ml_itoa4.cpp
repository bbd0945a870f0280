// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_itoa4(char *buffer, int value)
{
    if (buffer == NULL)
        return NULL;
    ml_sprintf(buffer, "%.4d", value);
    return buffer;
}

} // extern "C"
