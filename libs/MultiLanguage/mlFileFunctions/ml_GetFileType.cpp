// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetFileType(HANDLE file) { return GetFileType(file); }

} // extern "C"
