// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

void ml_perror(const char *message) { perror(message); }

} // extern "C"
