// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_iscntrl(int c) { return iscntrl(c); }

} // extern "C"
