// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

NET_API_STATUS ml_NetWkstaGetInfo(LMSTR server, DWORD level, LPBYTE *buffer)
{
    return NetWkstaGetInfo(server, level, buffer);
}

} // extern "C"
