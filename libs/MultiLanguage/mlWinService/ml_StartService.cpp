// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_StartService(SC_HANDLE service, DWORD argCount, const char **args)
{
    if (args == NULL || argCount == 0)
        return StartServiceW(service, argCount, NULL);

    HeapStrings wArgs;
    if (!wArgs.allocate(argCount)) {
        ml_Logger("ml_StartService has failed to convert 1 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    for (DWORD i = 0; i < argCount; ++i) {
        if (!wArgs.allocateBlock(i)) {
            ml_Logger("ml_StartService has failed to convert 2 at %d line, file: %s", ML_AT);
            return FALSE;
        }
    }
    int ok = 1;
    for (DWORD i = 0; i < argCount; ++i)
        ok &= wArgs.convert(i, args[i]);
    if (!ok) {
        ml_Logger("ml_StartService has failed to convert 3 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return StartServiceW(service, argCount, wArgs.array());
}

// What StartServiceA calls in a program built with the drop-in header.
__typeof__(StartServiceA) ml_StartServiceA;
BOOL WINAPI ml_StartServiceA(SC_HANDLE service, DWORD argCount, const char **args)
{
    return ml_StartService(service, argCount, args);
}
ML_IMPORT_POINTER(ml_StartServiceA, 12)

} // extern "C"
