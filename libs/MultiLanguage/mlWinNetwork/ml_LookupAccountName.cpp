// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_LookupAccountName(const char *systemName, const char *accountName, PSID sid, LPDWORD sidSize, char *domain,
                          LPDWORD domainSize, PSID_NAME_USE use)
{
    Wide wSystem, wAccount;
    int ok = 1;
    ok &= wSystem.fromOptional(systemName);
    if (accountName != NULL) {
        BOOL answered = FALSE;
        if (isEveryOne(accountPart(accountName)) &&
            answerEveryOne(systemName, sid, sidSize, domain, domainSize, use, &answered))
            return answered;
    }
    ok &= wAccount.fromOptional(accountName);

    Wide wDomain;
    DWORD capacity = domain != NULL ? Wide::Units : 0;
    if (!ok) {
        ml_Logger("ml_LookupAccountName has failed to convert 1 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    if (!LookupAccountNameW(wSystem.arg(), wAccount.arg(), sid, sidSize, domain != NULL ? wDomain.out() : NULL,
                            &capacity, use)) {
        // The platform counts characters; four bytes each cover any UTF-8.
        if (domainSize != NULL)
            *domainSize = capacity * 4;
        return FALSE;
    }
    if (domain != NULL) {
        // A size of 0 would only measure and leave the buffer unwritten.
        const DWORD size = domainSize != NULL ? *domainSize : 0;
        if (size == 0 || !wDomain.to(domain, ml::clampSize(size))) {
            if (domainSize != NULL)
                *domainSize = ml_GetUTF16toUTF8Size(wDomain.out());
            ml_Logger("ml_LookupAccountName has failed to convert 2 at %d line, file: %s", ML_AT);
            return FALSE;
        }
        *domainSize = static_cast<DWORD>(strlen(domain));
    }
    return TRUE;
}

// What LookupAccountNameA calls in a program built with the drop-in header.
__typeof__(LookupAccountNameA) ml_LookupAccountNameA;
BOOL WINAPI ml_LookupAccountNameA(const char *systemName, const char *accountName, PSID sid, LPDWORD sidSize,
                                  char *domain, LPDWORD domainSize, PSID_NAME_USE use)
{
    return ml_LookupAccountName(systemName, accountName, sid, sidSize, domain, domainSize, use);
}
ML_IMPORT_POINTER(ml_LookupAccountNameA, 28)

} // extern "C"
