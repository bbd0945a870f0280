// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

SC_HANDLE ml_OpenService(SC_HANDLE manager, const char *serviceName, DWORD desiredAccess)
{
    Wide wName;
    if (!wName.fromOptional(serviceName)) {
        ml_Logger("ml_OpenService has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return OpenServiceW(manager, wName.arg(), desiredAccess);
}

} // extern "C"
