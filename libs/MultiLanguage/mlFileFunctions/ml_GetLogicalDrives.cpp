// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetLogicalDrives(void) { return GetLogicalDrives(); }

} // extern "C"
