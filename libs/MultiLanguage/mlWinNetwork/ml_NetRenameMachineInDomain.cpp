// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

NET_API_STATUS ml_NetRenameMachineInDomain(const char *server, const char *newMachineName, const char *account,
                                           const char *password, DWORD options)
{
    Wide wServer, wName, wAccount, wPassword;
    int ok = 1;
    ok &= wServer.fromOptional(server);
    ok &= wName.fromOptional(newMachineName);
    ok &= wAccount.fromOptional(account);
    ok &= wPassword.fromOptional(password);
    if (!ok) {
        ml_Logger("ml_NetRenameMachineInDomain has failed to convert at %d line, file: %s", ML_AT);
        return static_cast<NET_API_STATUS>(-1);
    }
    return NetRenameMachineInDomain(wServer.arg(), wName.arg(), wAccount.arg(), wPassword.arg(), options);
}

} // extern "C"
