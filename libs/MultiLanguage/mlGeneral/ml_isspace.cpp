// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_isspace(int c) { return isspace(c); }

} // extern "C"
