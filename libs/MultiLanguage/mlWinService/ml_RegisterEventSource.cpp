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

// What RegisterEventSourceA calls in a program built with the drop-in header.
__typeof__(RegisterEventSourceA) ml_RegisterEventSourceA;
HANDLE WINAPI ml_RegisterEventSourceA(const char *serverName, const char *sourceName)
{
    return ml_RegisterEventSource(serverName, sourceName);
}
ML_IMPORT_POINTER(ml_RegisterEventSourceA, 8)

} // extern "C"
