// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_getchar(void) { return getchar(); }

} // extern "C"
