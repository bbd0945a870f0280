// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

FILE *ml_fdopen(int fd, const char *mode) { return _fdopen(fd, mode); }

} // extern "C"
