// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strpbrk(const char *str, const char *accept) { return const_cast<char *>(strpbrk(str, accept)); }

} // extern "C"
