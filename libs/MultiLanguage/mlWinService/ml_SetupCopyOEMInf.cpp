// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SetupCopyOEMInf(const char *sourceInfFileName, const char *oemSourceMediaLocation, DWORD oemSourceMediaType,
                        DWORD copyStyle, char *dest, DWORD destSize, PDWORD requiredSize)
{
    Wide wSource, wMedia;
    int ok = 1;
    ok &= wSource.fromOptional(sourceInfFileName);
    ok &= wMedia.fromOptional(oemSourceMediaLocation);
    if (!ok) {
        ml_Logger("ml_SetupCopyOEMInf has failed to convert 1 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    // The name always comes into the wide buffer, so its UTF-8 size can be
    // told also to a caller who gave no buffer.
    Wide name;
    name.out()[0] = L'\0';
    if (!SetupCopyOEMInfW(wSource.arg(), wMedia.arg(), oemSourceMediaType, copyStyle, name.out(), Wide::Units,
                          requiredSize, NULL))
        return FALSE;
    if (!deliverName(name, dest, destSize, requiredSize)) {
        ml_Logger("ml_SetupCopyOEMInf has failed to convert 2 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return TRUE;
}

} // extern "C"
