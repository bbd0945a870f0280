// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_LockFile(HANDLE file, DWORD offsetLow, DWORD offsetHigh, DWORD bytesLow, DWORD bytesHigh)
{
    return LockFile(file, offsetLow, offsetHigh, bytesLow, bytesHigh);
}

} // extern "C"
