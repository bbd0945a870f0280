// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strstr(const char *str, const char *sub) { return const_cast<char *>(strstr(str, sub)); }

} // extern "C"
