// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strtime(char *buffer) { return _strtime(buffer); }

} // extern "C"
