// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_isupper(int c) { return isupper(c); }

} // extern "C"
