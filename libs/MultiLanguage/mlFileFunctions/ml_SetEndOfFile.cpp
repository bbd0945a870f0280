// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SetEndOfFile(HANDLE file) { return SetEndOfFile(file); }

} // extern "C"
