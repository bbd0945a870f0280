// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

size_t ml_strftime(char *buffer, size_t size, const char *format, const struct tm *time)
{
    return strftime(buffer, size, format, time);
}

} // extern "C"
