// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

long ml_strtol(const char *str, char **end, int base) { return strtol(str, end, base); }

} // extern "C"
