// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

NET_API_STATUS ml_NetUseDel(const char *server, const char *useName, DWORD forceCond)
{
    Wide wServer, wUse;
    int ok = 1;
    ok &= wServer.fromOptional(server);
    ok &= wUse.fromOptional(useName);
    if (!ok) {
        ml_Logger("ml_NetUseDel has failed to convert at %d line, file: %s", ML_AT);
        return static_cast<NET_API_STATUS>(-1);
    }
    return NetUseDel(const_cast<LMSTR>(wServer.arg()), const_cast<LMSTR>(wUse.arg()), forceCond);
}

} // extern "C"
