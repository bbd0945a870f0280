// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_islower(int c) { return islower(c); }

} // extern "C"
