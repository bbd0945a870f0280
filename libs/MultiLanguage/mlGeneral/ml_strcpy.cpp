// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strcpy(char *dest, const char *src) { return strcpy(dest, src); }

} // extern "C"
