// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strncat(char *dest, const char *src, size_t count) { return strncat(dest, src, count); }

} // extern "C"
