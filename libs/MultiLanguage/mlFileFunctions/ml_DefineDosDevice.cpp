// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_DefineDosDevice(DWORD flags, const char *deviceName, const char *targetPath)
{
    Wide wDevice, wTarget;
    bool converted = wDevice.fromOptional(deviceName);
    if (!wTarget.fromOptional(targetPath))
        converted = false;
    if (!converted) {
        ml_Logger("ml_DefineDosDevice has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return DefineDosDeviceW(flags, wDevice.arg(), wTarget.arg());
}

// What DefineDosDeviceA calls in a program built with the drop-in header.
__typeof__(DefineDosDeviceA) ml_DefineDosDeviceA;
BOOL WINAPI ml_DefineDosDeviceA(DWORD flags, const char *deviceName, const char *targetPath)
{
    return ml_DefineDosDevice(flags, deviceName, targetPath);
}
ML_IMPORT_POINTER(ml_DefineDosDeviceA, 12)

} // extern "C"
