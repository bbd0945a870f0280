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

// What OpenServiceA calls in a program built with the drop-in header.
__typeof__(OpenServiceA) ml_OpenServiceA;
SC_HANDLE WINAPI ml_OpenServiceA(SC_HANDLE manager, const char *serviceName, DWORD desiredAccess)
{
    return ml_OpenService(manager, serviceName, desiredAccess);
}
ML_IMPORT_POINTER(ml_OpenServiceA, 12)

} // extern "C"
