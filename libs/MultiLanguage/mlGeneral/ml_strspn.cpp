// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

size_t ml_strspn(const char *str, const char *accept) { return strspn(str, accept); }

} // extern "C"
