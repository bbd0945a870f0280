// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_ungetc(int c, FILE *stream) { return ungetc(c, stream); }

} // extern "C"
