// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_ispunct(int c) { return ispunct(c); }

} // extern "C"
