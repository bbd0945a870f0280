// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_vprintf(const char *format, va_list args) { return vprintf(format, args); }

} // extern "C"
