// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_LookupPrivilegeValue(const char *systemName, const char *privilegeName, PLUID luid)
{
    Wide wSystem, wPrivilege;
    int ok = 1;
    ok &= wSystem.fromOptional(systemName);
    ok &= wPrivilege.fromOptional(privilegeName);
    if (!ok) {
        ml_Logger("ml_LookupPrivilegeValue has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return LookupPrivilegeValueW(wSystem.arg(), wPrivilege.arg(), luid);
}

// What LookupPrivilegeValueA calls in a program built with the drop-in header.
__typeof__(LookupPrivilegeValueA) ml_LookupPrivilegeValueA;
BOOL WINAPI ml_LookupPrivilegeValueA(const char *systemName, const char *privilegeName, PLUID luid)
{
    return ml_LookupPrivilegeValue(systemName, privilegeName, luid);
}
ML_IMPORT_POINTER(ml_LookupPrivilegeValueA, 12)

} // extern "C"
