// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_vfprintf(FILE *stream, const char *format, va_list args) { return vfprintf(stream, format, args); }

} // extern "C"
