// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_vsprintf(char *buffer, const char *format, va_list args) { return vsprintf(buffer, format, args); }

} // extern "C"
