// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_setmode(int fd, int mode) { return _setmode(fd, mode); }

} // extern "C"
