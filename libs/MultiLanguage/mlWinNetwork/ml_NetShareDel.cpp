// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

NET_API_STATUS ml_NetShareDel(const char *server, const char *shareName, DWORD reserved)
{
    Wide wServer, wShare;
    int ok = 1;
    ok &= wServer.fromOptional(server);
    ok &= wShare.fromOptional(shareName);
    if (!ok) {
        ml_Logger("ml_NetShareDel has failed to convert at %d line, file: %s", ML_AT);
        return static_cast<NET_API_STATUS>(-1);
    }
    return NetShareDel(const_cast<LMSTR>(wServer.arg()), const_cast<LMSTR>(wShare.arg()), reserved);
}

} // extern "C"
