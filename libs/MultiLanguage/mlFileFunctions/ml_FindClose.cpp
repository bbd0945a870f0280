// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_FindClose(HANDLE search) { return FindClose(search); }

} // extern "C"
