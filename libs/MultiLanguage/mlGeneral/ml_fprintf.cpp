// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

// msvcrt's own formatter, called by name: the C++ headers route the plain
// name to MinGW's, whose text differs from ml_snprintf's ("e+04", not "e+004").
int ml_fprintf(FILE *stream, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const int result = __ms_vfprintf(stream, format, args);
    va_end(args);
    return result;
}

} // extern "C"
