// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_ctime(const ml_time_t *time) { return timeText(time); }

} // extern "C"
