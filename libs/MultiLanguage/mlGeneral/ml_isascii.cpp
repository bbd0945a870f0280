// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_isascii(int c) { return static_cast<unsigned int>(c) < 0x80 ? 1 : 0; }

} // extern "C"
