// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD method)
{
    return SetFilePointer(file, distance, distanceHigh, method);
}

} // extern "C"
