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

} // extern "C"
