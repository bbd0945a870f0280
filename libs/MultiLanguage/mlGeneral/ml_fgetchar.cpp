// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_fgetchar(void) { return _fgetchar(); }

} // extern "C"
