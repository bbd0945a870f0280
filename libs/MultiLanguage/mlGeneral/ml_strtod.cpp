// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

double ml_strtod(const char *str, char **end) { return strtod(str, end); }

} // extern "C"
