// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_isalnum(int c) { return isalnum(c); }

} // extern "C"
