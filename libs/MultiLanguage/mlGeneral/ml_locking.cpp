// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_locking(int fd, int mode, long nbytes) { return _locking(fd, mode, nbytes); }

} // extern "C"
