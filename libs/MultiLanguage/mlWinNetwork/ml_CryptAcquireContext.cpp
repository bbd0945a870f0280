// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_CryptAcquireContext(HCRYPTPROV *provider, const char *container, const char *providerName, DWORD providerType,
                            DWORD flags)
{
    Wide wContainer, wProvider;
    int ok = 1;
    ok &= wContainer.fromOptional(container);
    ok &= wProvider.fromOptional(providerName);
    if (!ok) {
        ml_Logger("ml_CryptAcquireContext has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return CryptAcquireContextW(provider, wContainer.arg(), wProvider.arg(), providerType, flags);
}

// What CryptAcquireContextA calls in a program built with the drop-in header.
__typeof__(CryptAcquireContextA) ml_CryptAcquireContextA;
BOOL WINAPI ml_CryptAcquireContextA(HCRYPTPROV *provider, const char *container, const char *providerName,
                                    DWORD providerType, DWORD flags)
{
    return ml_CryptAcquireContext(provider, container, providerName, providerType, flags);
}
ML_IMPORT_POINTER(ml_CryptAcquireContextA, 20)

} // extern "C"
