// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_isalpha(int c) { return isalpha(c); }

} // extern "C"
