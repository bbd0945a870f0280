// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_putc(int c, FILE *stream) { return putc(c, stream); }

} // extern "C"
