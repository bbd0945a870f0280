// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_putchar(int c) { return putchar(c); }

} // extern "C"
