// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

long ml_filelength(int fd) { return _filelength(fd); }

} // extern "C"
