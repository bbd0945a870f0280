// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

wchar_t *ml_wcslwr(wchar_t *str) { return _wcslwr(str); }

} // extern "C"
