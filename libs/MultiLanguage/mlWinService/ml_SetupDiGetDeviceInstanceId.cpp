// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SetupDiGetDeviceInstanceId(HDEVINFO deviceInfoSet, PSP_DEVINFO_DATA deviceInfoData, char *id, DWORD idSize,
                                   PDWORD requiredSize)
{
    Wide wide;
    wide.out()[0] = L'\0';
    if (!SetupDiGetDeviceInstanceIdW(deviceInfoSet, deviceInfoData, wide.out(), Wide::Units, requiredSize))
        return FALSE;
    if (!deliverName(wide, id, idSize, requiredSize)) {
        ml_Logger("ml_SetupDiGetDeviceInstanceId has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return TRUE;
}

// What SetupDiGetDeviceInstanceIdA calls in a program built with the drop-in header.
__typeof__(SetupDiGetDeviceInstanceIdA) ml_SetupDiGetDeviceInstanceIdA;
BOOL WINAPI ml_SetupDiGetDeviceInstanceIdA(HDEVINFO deviceInfoSet, PSP_DEVINFO_DATA deviceInfoData, char *id,
                                           DWORD idSize, PDWORD requiredSize)
{
    return ml_SetupDiGetDeviceInstanceId(deviceInfoSet, deviceInfoData, id, idSize, requiredSize);
}
ML_IMPORT_POINTER(ml_SetupDiGetDeviceInstanceIdA, 20)

} // extern "C"
