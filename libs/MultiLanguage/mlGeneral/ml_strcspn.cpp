// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

size_t ml_strcspn(const char *str, const char *reject) { return strcspn(str, reject); }

} // extern "C"
