// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_isatty(int fd) { return _isatty(fd); }

} // extern "C"
