// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_stricmp(const char *a, const char *b) { return _stricmp(a, b); }

} // extern "C"
