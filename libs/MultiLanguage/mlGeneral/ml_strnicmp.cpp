// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_strnicmp(const char *a, const char *b, size_t count) { return _strnicmp(a, b, count); }

} // extern "C"
