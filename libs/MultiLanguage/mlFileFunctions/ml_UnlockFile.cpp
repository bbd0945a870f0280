// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_UnlockFile(HANDLE file, DWORD offsetLow, DWORD offsetHigh, DWORD bytesLow, DWORD bytesHigh)
{
    return UnlockFile(file, offsetLow, offsetHigh, bytesLow, bytesHigh);
}

} // extern "C"
