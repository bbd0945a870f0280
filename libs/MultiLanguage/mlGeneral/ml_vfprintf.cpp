// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

// msvcrt's own formatter, called by name: the C++ headers route the plain
// name to MinGW's, whose text differs from ml_snprintf's ("e+04", not "e+004").
int ml_vfprintf(FILE *stream, const char *format, va_list args)
{
    HANDLE console = ml::consoleOf(stream);
    if (console != NULL)
        return ml::printConsole(stream, console, format, args);
    return __ms_vfprintf(stream, format, args);
}

} // extern "C"
