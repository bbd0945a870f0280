// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strupr(char *str) { return _strupr(str); }

} // extern "C"
