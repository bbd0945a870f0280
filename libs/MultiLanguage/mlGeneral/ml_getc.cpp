// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_getc(FILE *stream) { return getc(stream); }

} // extern "C"
