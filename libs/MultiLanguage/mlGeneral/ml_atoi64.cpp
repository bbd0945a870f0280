// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

long long ml_atoi64(const char *str) { return _atoi64(str); }

} // extern "C"
