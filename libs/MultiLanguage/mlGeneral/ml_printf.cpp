// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_printf(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const int result = ml_vprintf(format, args);
    va_end(args);
    return result;
}

} // extern "C"
