// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SetVolumeLabel(const char *rootPath, const char *volumeName)
{
    Wide wRoot, wName;
    bool converted = wRoot.fromOptional(rootPath);
    if (!wName.fromOptional(volumeName))
        converted = false;
    if (!converted) {
        ml_Logger("ml_SetVolumeLabel has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetVolumeLabelW(wRoot.arg(), wName.arg());
}

// What SetVolumeLabelA calls in a program built with the drop-in header.
__typeof__(SetVolumeLabelA) ml_SetVolumeLabelA;
BOOL WINAPI ml_SetVolumeLabelA(const char *rootPath, const char *volumeName)
{
    return ml_SetVolumeLabel(rootPath, volumeName);
}
ML_IMPORT_POINTER(ml_SetVolumeLabelA, 8)

} // extern "C"
