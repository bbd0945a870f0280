// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_itoa(int value, char *buffer, int radix) { return _itoa(value, buffer, radix); }

} // extern "C"
