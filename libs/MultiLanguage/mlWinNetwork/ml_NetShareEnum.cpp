// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

NET_API_STATUS ml_NetShareEnum(LMSTR server, DWORD level, LPBYTE *buffer, DWORD preferredMaximum,
                               LPDWORD entriesRead, LPDWORD totalEntries, LPDWORD resumeHandle)
{
    return NetShareEnum(server, level, buffer, preferredMaximum, entriesRead, totalEntries, resumeHandle);
}

} // extern "C"
