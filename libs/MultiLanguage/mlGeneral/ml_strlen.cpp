// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

size_t ml_strlen(const char *str) { return strlen(str); }

} // extern "C"
