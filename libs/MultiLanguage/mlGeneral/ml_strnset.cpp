// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strnset(char *str, int c, size_t count) { return _strnset(str, c, count); }

} // extern "C"
