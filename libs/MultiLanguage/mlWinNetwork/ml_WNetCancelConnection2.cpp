// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_WNetCancelConnection2(const char *name, DWORD flags, BOOL force)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_WNetCancelConnection2 has failed to convert at %d line, file: %s", ML_AT);
        return static_cast<DWORD>(-1);
    }
    return WNetCancelConnection2W(wName.arg(), flags, force);
}

// What WNetCancelConnection2A calls in a program built with the drop-in header.
__typeof__(WNetCancelConnection2A) ml_WNetCancelConnection2A;
DWORD WINAPI ml_WNetCancelConnection2A(const char *name, DWORD flags, BOOL force)
{
    return ml_WNetCancelConnection2(name, flags, force);
}
ML_IMPORT_POINTER(ml_WNetCancelConnection2A, 12)

} // extern "C"
