// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_snprintf(char *buffer, size_t count, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const int result = _vsnprintf(buffer, count, format, args);
    va_end(args);
    return result;
}

} // extern "C"
