// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_asctime(const struct tm *time) { return asctime(time); }

} // extern "C"
