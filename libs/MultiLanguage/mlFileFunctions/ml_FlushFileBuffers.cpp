// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_FlushFileBuffers(HANDLE file) { return FlushFileBuffers(file); }

} // extern "C"
