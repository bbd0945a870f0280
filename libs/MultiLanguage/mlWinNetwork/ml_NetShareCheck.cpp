// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

NET_API_STATUS ml_NetShareCheck(const char *server, const char *device, LPDWORD type)
{
    Wide wServer, wDevice;
    int ok = 1;
    ok &= wServer.fromOptional(server);
    ok &= wDevice.fromOptional(device);
    if (!ok) {
        ml_Logger("ml_NetShareCheck has failed to convert at %d line, file: %s", ML_AT);
        return static_cast<NET_API_STATUS>(-1);
    }
    const NET_API_STATUS status = NetShareCheck(const_cast<LMSTR>(wServer.arg()), const_cast<LMSTR>(wDevice.arg()), type);
    if (status != 0) {
        const DWORD error = GetLastError();
        ml_Logger("ml_NetShareCheck: NetShareCheck failed for server: %s, device: %s , error:%d", server, device,
                  static_cast<int>(error));
    }
    return status;
}

} // extern "C"
