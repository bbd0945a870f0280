// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_EnumDependentServices(SC_HANDLE service, DWORD serviceState, LPENUM_SERVICE_STATUSA services, DWORD bufSize,
                              LPDWORD bytesNeeded, LPDWORD servicesReturned)
{
    return EnumDependentServicesA(service, serviceState, services, bufSize, bytesNeeded, servicesReturned);
}

} // extern "C"
