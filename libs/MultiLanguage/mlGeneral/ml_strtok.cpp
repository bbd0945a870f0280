// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strtok(char *str, const char *delimiters) { return strtok(str, delimiters); }

} // extern "C"
