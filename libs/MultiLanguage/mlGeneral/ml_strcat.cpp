// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strcat(char *dest, const char *src) { return strcat(dest, src); }

} // extern "C"
