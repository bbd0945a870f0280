// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_isgraph(int c) { return isgraph(c); }

} // extern "C"
