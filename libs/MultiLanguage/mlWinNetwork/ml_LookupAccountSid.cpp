// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_LookupAccountSid(const char *systemName, PSID sid, char *name, LPDWORD nameSize, char *domain,
                         LPDWORD domainSize, PSID_NAME_USE use)
{
    Wide wSystem;
    if (!wSystem.fromOptional(systemName)) {
        ml_Logger("ml_LookupAccountSid has failed to convert 1 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    Wide wName, wDomain;
    DWORD nameCapacity = name != NULL ? Wide::Units : 0;
    DWORD domainCapacity = domain != NULL ? Wide::Units : 0;
    if (!LookupAccountSidW(wSystem.arg(), sid, name != NULL ? wName.out() : NULL, &nameCapacity,
                           domain != NULL ? wDomain.out() : NULL, &domainCapacity, use))
        return FALSE;

    int ok = 1;
    if (name != NULL)
        ok &= toCallerWithSize(wName, name, nameSize);
    if (domain != NULL)
        ok &= toCallerWithSize(wDomain, domain, domainSize);
    if (!ok) {
        ml_Logger("ml_LookupAccountSid has failed to convert 2 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return TRUE;
}

} // extern "C"
