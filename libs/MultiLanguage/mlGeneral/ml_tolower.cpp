// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_tolower(int c) { return tolower(c); }

} // extern "C"
