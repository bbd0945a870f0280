// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_fgetc(FILE *stream) { return fgetc(stream); }

} // extern "C"
