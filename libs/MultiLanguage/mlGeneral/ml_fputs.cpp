// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_fputs(const char *str, FILE *stream) { return fputs(str, stream); }

} // extern "C"
