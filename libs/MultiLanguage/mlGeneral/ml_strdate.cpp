// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strdate(char *buffer) { return _strdate(buffer); }

} // extern "C"
