// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_ReadEventLog(HANDLE eventLog, DWORD readFlags, DWORD recordOffset, LPVOID buffer, DWORD bytesToRead,
                     DWORD *bytesRead, DWORD *minBytesNeeded)
{
    return ReadEventLogA(eventLog, readFlags, recordOffset, buffer, bytesToRead, bytesRead, minBytesNeeded);
}

} // extern "C"
