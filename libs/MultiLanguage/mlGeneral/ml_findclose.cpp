// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_findclose(intptr_t handle) { return _findclose(handle); }

} // extern "C"
