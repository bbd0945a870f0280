// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_fstat(int fd, ml_stat_t *buffer) { return handleStat(fd, buffer); }

} // extern "C"
