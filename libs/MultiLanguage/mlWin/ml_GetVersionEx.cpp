// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_GetVersionEx(LPOSVERSIONINFOA info)
{
    OSVERSIONINFOW wide;
    ZeroMemory(&wide, sizeof wide);
    wide.dwOSVersionInfoSize = sizeof wide;
    if (!GetVersionExW(&wide))
        return FALSE;
    info->dwOSVersionInfoSize = wide.dwOSVersionInfoSize;
    info->dwMajorVersion = wide.dwMajorVersion;
    info->dwMinorVersion = wide.dwMinorVersion;
    info->dwBuildNumber = wide.dwBuildNumber;
    info->dwPlatformId = wide.dwPlatformId;
    if (!ml_ConvertUTF16toUTF8(wide.szCSDVersion, info->szCSDVersion, sizeof info->szCSDVersion)) {
        ml_Logger("ml_GetVersionEx has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return TRUE;
}

} // extern "C"
