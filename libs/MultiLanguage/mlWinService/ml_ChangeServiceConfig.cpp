// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_ChangeServiceConfig(SC_HANDLE service, DWORD serviceType, DWORD startType, DWORD errorControl,
                            const char *binaryPathName, const char *loadOrderGroup, LPDWORD tagId,
                            const char *dependencies, const char *serviceStartName, const char *password,
                            const char *displayName)
{
    Wide wBinary, wGroup, wStartName, wPassword, wDisplay;
    WideList wDependencies;
    int ok = 1;
    ok &= wBinary.fromOptional(binaryPathName);
    ok &= wGroup.fromOptional(loadOrderGroup);
    ok &= wDependencies.fromOptional(dependencies);
    ok &= wStartName.fromOptional(serviceStartName);
    ok &= wPassword.fromOptional(password);
    ok &= wDisplay.fromOptional(displayName);
    if (!ok) {
        ml_Logger("ml_ChangeServiceConfig has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return ChangeServiceConfigW(service, serviceType, startType, errorControl, wBinary.arg(), wGroup.arg(), tagId,
                                wDependencies.arg(), wStartName.arg(), wPassword.arg(), wDisplay.arg());
}

// What ChangeServiceConfigA calls in a program built with the drop-in header.
__typeof__(ChangeServiceConfigA) ml_ChangeServiceConfigA;
BOOL WINAPI ml_ChangeServiceConfigA(SC_HANDLE service, DWORD serviceType, DWORD startType, DWORD errorControl,
                                    const char *binaryPathName, const char *loadOrderGroup, LPDWORD tagId,
                                    const char *dependencies, const char *serviceStartName, const char *password,
                                    const char *displayName)
{
    return ml_ChangeServiceConfig(service, serviceType, startType, errorControl, binaryPathName,
                                  loadOrderGroup, tagId, dependencies, serviceStartName, password, displayName);
}
ML_IMPORT_POINTER(ml_ChangeServiceConfigA, 44)

} // extern "C"
