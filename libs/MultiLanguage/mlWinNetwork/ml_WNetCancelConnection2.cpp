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

} // extern "C"
