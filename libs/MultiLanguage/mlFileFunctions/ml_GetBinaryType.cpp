// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_GetBinaryType(const char *applicationName, LPDWORD binaryType)
{
    Wide wName;
    if (!wName.from(applicationName)) {
        ml_Logger("ml_GetBinaryType has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return GetBinaryTypeW(wName.arg(), binaryType);
}

// What GetBinaryTypeA calls in a program built with the drop-in header.
__typeof__(GetBinaryTypeA) ml_GetBinaryTypeA;
BOOL WINAPI ml_GetBinaryTypeA(const char *applicationName, LPDWORD binaryType)
{
    return ml_GetBinaryType(applicationName, binaryType);
}
ML_IMPORT_POINTER(ml_GetBinaryTypeA, 8)

} // extern "C"
