// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

SC_HANDLE ml_CreateService(SC_HANDLE manager, const char *serviceName, const char *displayName, DWORD desiredAccess,
                           DWORD serviceType, DWORD startType, DWORD errorControl, const char *binaryPathName,
                           const char *loadOrderGroup, LPDWORD tagId, const char *dependencies,
                           const char *serviceStartName, const char *password)
{
    Wide wName, wDisplay, wBinary, wGroup, wStartName, wPassword;
    WideList wDependencies;
    int ok = 1;
    ok &= wName.fromOptional(serviceName);
    ok &= wDisplay.fromOptional(displayName);
    ok &= wBinary.fromOptional(binaryPathName);
    ok &= wGroup.fromOptional(loadOrderGroup);
    ok &= wDependencies.fromOptional(dependencies);
    ok &= wStartName.fromOptional(serviceStartName);
    ok &= wPassword.fromOptional(password);
    if (!ok) {
        ml_Logger("ml_CreateService has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return CreateServiceW(manager, wName.arg(), wDisplay.arg(), desiredAccess, serviceType, startType, errorControl,
                          wBinary.arg(), wGroup.arg(), tagId, wDependencies.arg(), wStartName.arg(), wPassword.arg());
}

// What CreateServiceA calls in a program built with the drop-in header.
__typeof__(CreateServiceA) ml_CreateServiceA;
SC_HANDLE WINAPI ml_CreateServiceA(SC_HANDLE manager, const char *serviceName, const char *displayName,
                                   DWORD desiredAccess, DWORD serviceType, DWORD startType, DWORD errorControl,
                                   const char *binaryPathName, const char *loadOrderGroup, LPDWORD tagId,
                                   const char *dependencies, const char *serviceStartName, const char *password)
{
    return ml_CreateService(manager, serviceName, displayName, desiredAccess, serviceType, startType, errorControl,
                            binaryPathName, loadOrderGroup, tagId, dependencies, serviceStartName, password);
}
ML_IMPORT_POINTER(ml_CreateServiceA, 52)

} // extern "C"
