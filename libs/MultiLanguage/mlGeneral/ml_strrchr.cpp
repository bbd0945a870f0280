// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strrchr(const char *str, int c) { return const_cast<char *>(strrchr(str, c)); }

} // extern "C"
