// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_i64toa(long long value, char *buffer, int radix) { return _i64toa(value, buffer, radix); }

} // extern "C"
