// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_ultoa(unsigned long value, char *buffer, int radix) { return _ultoa(value, buffer, radix); }

} // extern "C"
