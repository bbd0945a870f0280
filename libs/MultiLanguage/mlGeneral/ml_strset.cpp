// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strset(char *str, int c) { return _strset(str, c); }

} // extern "C"
