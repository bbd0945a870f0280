// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_getdrive(void) { return _getdrive(); }

} // extern "C"
