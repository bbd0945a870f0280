// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strlwr(char *str) { return _strlwr(str); }

} // extern "C"
