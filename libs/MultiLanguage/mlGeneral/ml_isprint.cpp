// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_isprint(int c) { return isprint(c); }

} // extern "C"
