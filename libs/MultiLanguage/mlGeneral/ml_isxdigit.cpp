// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_isxdigit(int c) { return isxdigit(c); }

} // extern "C"
