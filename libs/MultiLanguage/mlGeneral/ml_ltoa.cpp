// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_ltoa(long value, char *buffer, int radix) { return _ltoa(value, buffer, radix); }

} // extern "C"
