// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_vsnprintf(char *buffer, size_t count, const char *format, va_list args)
{
    return _vsnprintf(buffer, count, format, args);
}

} // extern "C"
