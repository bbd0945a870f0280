// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_toupper(int c) { return toupper(c); }

} // extern "C"
