// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_isdigit(int c) { return isdigit(c); }

} // extern "C"
