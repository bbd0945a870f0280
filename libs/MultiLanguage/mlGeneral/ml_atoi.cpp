// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_atoi(const char *str) { return atoi(str); }

} // extern "C"
