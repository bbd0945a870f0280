// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_chsize(int fd, long size) { return _chsize(fd, size); }

} // extern "C"
