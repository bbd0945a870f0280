// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

HANDLE ml_RegisterEventSource(const char *serverName, const char *sourceName)
{
    Wide wServer, wSource;
    int ok = 1;
    ok &= wServer.fromOptional(serverName);
    ok &= wSource.fromOptional(sourceName);
    if (!ok) {
        ml_Logger("ml_RegisterEventSource has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return RegisterEventSourceW(wServer.arg(), wSource.arg());
}

} // extern "C"
