// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

NET_API_STATUS ml_NetUserChangePassword(const char *domain, const char *userName, const char *oldPassword,
                                        const char *newPassword)
{
    Wide wDomain, wUser, wOld, wNew;
    int ok = 1;
    ok &= wDomain.fromOptional(domain);
    ok &= wUser.fromOptional(userName);
    ok &= wOld.fromOptional(oldPassword);
    ok &= wNew.fromOptional(newPassword);
    if (!ok) {
        ml_Logger("ml_NetUserChangePassword has failed to convert at %d line, file: %s", ML_AT);
        return static_cast<NET_API_STATUS>(-1);
    }
    return NetUserChangePassword(wDomain.arg(), wUser.arg(), wOld.arg(), wNew.arg());
}

} // extern "C"
