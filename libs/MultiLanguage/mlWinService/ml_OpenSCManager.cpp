// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

SC_HANDLE ml_OpenSCManager(const char *machineName, const char *databaseName, DWORD desiredAccess)
{
    Wide wMachine, wDatabase;
    int ok = 1;
    ok &= wMachine.fromOptional(machineName);
    ok &= wDatabase.fromOptional(databaseName);
    if (!ok) {
        ml_Logger("ml_OpenSCManager has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return OpenSCManagerW(wMachine.arg(), wDatabase.arg(), desiredAccess);
}

// What OpenSCManagerA calls in a program built with the drop-in header.
__typeof__(OpenSCManagerA) ml_OpenSCManagerA;
SC_HANDLE WINAPI ml_OpenSCManagerA(const char *machineName, const char *databaseName, DWORD desiredAccess)
{
    return ml_OpenSCManager(machineName, databaseName, desiredAccess);
}
ML_IMPORT_POINTER(ml_OpenSCManagerA, 12)

} // extern "C"
