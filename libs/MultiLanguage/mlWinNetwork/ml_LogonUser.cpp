// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_LogonUser(const char *userName, const char *domain, const char *password, DWORD logonType,
                  DWORD logonProvider, PHANDLE token)
{
    Wide wUser, wDomain, wPassword;
    int ok = 1;
    ok &= wUser.fromOptional(userName);
    ok &= wDomain.fromOptional(domain);
    ok &= wPassword.fromOptional(password);
    if (!ok) {
        ml_Logger("ml_LogonUser has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return LogonUserW(wUser.arg(), wDomain.arg(), wPassword.arg(), logonType, logonProvider, token);
}

// What LogonUserA calls in a program built with the drop-in header.
__typeof__(LogonUserA) ml_LogonUserA;
BOOL WINAPI ml_LogonUserA(const char *userName, const char *domain, const char *password, DWORD logonType,
                          DWORD logonProvider, PHANDLE token)
{
    return ml_LogonUser(userName, domain, password, logonType, logonProvider, token);
}
ML_IMPORT_POINTER(ml_LogonUserA, 24)

} // extern "C"
