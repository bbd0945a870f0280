// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegCloseKey(HKEY key) { return RegCloseKey(key); }

} // extern "C"
