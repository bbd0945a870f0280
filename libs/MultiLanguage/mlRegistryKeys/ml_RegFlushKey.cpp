// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegFlushKey(HKEY key) { return RegFlushKey(key); }

} // extern "C"
