// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_strcmp(const char *a, const char *b) { return strcmp(a, b); }

} // extern "C"
