// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

size_t ml_wcslen(const wchar_t *str) { return wcslen(str); }

} // extern "C"
