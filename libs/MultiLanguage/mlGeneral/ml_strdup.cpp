// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strdup(const char *str) { return _strdup(str); }

} // extern "C"
