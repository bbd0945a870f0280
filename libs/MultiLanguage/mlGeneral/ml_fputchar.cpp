// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_fputchar(int c) { return _fputchar(c); }

} // extern "C"
