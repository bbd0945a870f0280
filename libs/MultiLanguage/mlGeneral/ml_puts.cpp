// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_puts(const char *str) { return puts(str); }

} // extern "C"
