// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

long ml_atol(const char *str) { return atol(str); }

} // extern "C"
