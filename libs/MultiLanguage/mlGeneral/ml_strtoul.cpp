// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

unsigned long ml_strtoul(const char *str, char **end, int base) { return strtoul(str, end, base); }

} // extern "C"
