// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

HANDLE ml_OpenEvent(DWORD access, BOOL inheritHandle, const char *name)
{
    WCHAR wName[kShortUnits];
    if (name != NULL && !ml_ConvertUTF8toUTF16(name, wName, sizeof wName)) {
        ml_Logger("ml_OpenEvent has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return OpenEventW(access, inheritHandle, name != NULL ? wName : NULL);
}

// What OpenEventA calls in a program built with the drop-in header.
__typeof__(OpenEventA) ml_OpenEventA;
HANDLE WINAPI ml_OpenEventA(DWORD access, BOOL inheritHandle, const char *name)
{
    return ml_OpenEvent(access, inheritHandle, name);
}
ML_IMPORT_POINTER(ml_OpenEventA, 12)

} // extern "C"
