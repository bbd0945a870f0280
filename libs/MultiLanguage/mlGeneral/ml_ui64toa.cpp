// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_ui64toa(unsigned long long value, char *buffer, int radix) { return _ui64toa(value, buffer, radix); }

} // extern "C"
