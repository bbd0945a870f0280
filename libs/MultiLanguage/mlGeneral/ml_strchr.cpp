// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strchr(const char *str, int c) { return const_cast<char *>(strchr(str, c)); }

} // extern "C"
