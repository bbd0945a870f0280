// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_fputc(int c, FILE *stream) { return fputc(c, stream); }

} // extern "C"
