// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

SERVICE_STATUS_HANDLE ml_RegisterServiceCtrlHandler(const char *serviceName, LPHANDLER_FUNCTION handler)
{
    Wide wName;
    if (!wName.fromOptional(serviceName)) {
        ml_Logger("ml_RegisterServiceCtrlHandler has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return RegisterServiceCtrlHandlerW(wName.arg(), handler);
}

// What RegisterServiceCtrlHandlerA calls in a program built with the drop-in header.
__typeof__(RegisterServiceCtrlHandlerA) ml_RegisterServiceCtrlHandlerA;
SERVICE_STATUS_HANDLE WINAPI ml_RegisterServiceCtrlHandlerA(const char *serviceName, LPHANDLER_FUNCTION handler)
{
    return ml_RegisterServiceCtrlHandler(serviceName, handler);
}
ML_IMPORT_POINTER(ml_RegisterServiceCtrlHandlerA, 8)

} // extern "C"
