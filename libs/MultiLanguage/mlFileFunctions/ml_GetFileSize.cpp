// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetFileSize(HANDLE file, LPDWORD sizeHigh) { return GetFileSize(file, sizeHigh); }

} // extern "C"
