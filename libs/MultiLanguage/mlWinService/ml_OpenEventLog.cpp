// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

HANDLE ml_OpenEventLog(const char *serverName, const char *sourceName)
{
    Wide wServer, wSource;
    int ok = 1;
    ok &= wServer.fromOptional(serverName);
    ok &= wSource.fromOptional(sourceName);
    if (!ok) {
        ml_Logger("ml_OpenEventLog has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return OpenEventLogW(wServer.arg(), wSource.arg());
}

// What OpenEventLogA calls in a program built with the drop-in header.
__typeof__(OpenEventLogA) ml_OpenEventLogA;
HANDLE WINAPI ml_OpenEventLogA(const char *serverName, const char *sourceName)
{
    return ml_OpenEventLog(serverName, sourceName);
}
ML_IMPORT_POINTER(ml_OpenEventLogA, 8)

} // extern "C"
