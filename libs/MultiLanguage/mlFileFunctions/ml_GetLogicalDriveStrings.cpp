// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetLogicalDriveStrings(DWORD size, char *buffer)
{
    Wide drives;
    const DWORD units = GetLogicalDriveStringsW(Wide::Units, drives.out());
    if (units == 0)
        return 0;
    if (!fitted(units))
        return tooLong();
    // The list crosses with its closing zero; when it does not fit, the
    // caller learns the size with that zero, which is more than its buffer.
    if (!listToCaller(drives.arg(), units + 1, buffer, size)) {
        ml_Logger("ml_GetLogicalDriveStrings has failed to convert at %d line, file: %s", ML_AT);
        return ml_GetMultiSzUTF16toUTF8Size(drives.arg(), static_cast<int>(units) + 1);
    }
    return ml_GetMultiSzUTF16toUTF8Size(drives.arg(), static_cast<int>(units));
}

// What GetLogicalDriveStringsA calls in a program built with the drop-in header.
__typeof__(GetLogicalDriveStringsA) ml_GetLogicalDriveStringsA;
DWORD WINAPI ml_GetLogicalDriveStringsA(DWORD size, char *buffer)
{
    return ml_GetLogicalDriveStrings(size, buffer);
}
ML_IMPORT_POINTER(ml_GetLogicalDriveStringsA, 8)

} // extern "C"
