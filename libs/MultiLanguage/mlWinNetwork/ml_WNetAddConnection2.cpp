// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_WNetAddConnection2(const NETRESOURCEA *resource, const char *password, const char *userName, DWORD flags)
{
    Wide wPassword, wUser;
    int ok = 1;
    ok &= wPassword.fromOptional(password);
    ok &= wUser.fromOptional(userName);
    if (!ok) {
        ml_Logger("ml_WNetAddConnection2 has failed to convert 1 at %d line, file: %s", ML_AT);
        return static_cast<DWORD>(-1);
    }

    NETRESOURCEW wide;
    memset(&wide, 0, sizeof wide);
    Wide wComment, wLocal, wProvider, wRemote;
    if (resource != NULL) {
        wide.dwScope = resource->dwScope;
        wide.dwType = resource->dwType;
        wide.dwDisplayType = resource->dwDisplayType;
        wide.dwUsage = resource->dwUsage;
        ok &= wComment.fromOptional(resource->lpComment);
        ok &= wLocal.fromOptional(resource->lpLocalName);
        ok &= wProvider.fromOptional(resource->lpProvider);
        ok &= wRemote.fromOptional(resource->lpRemoteName);
        if (!ok) {
            ml_Logger("ml_WNetAddConnection2 has failed to convert 2 at %d line, file: %s", ML_AT);
            return static_cast<DWORD>(-1);
        }
        wide.lpComment = const_cast<LPWSTR>(wComment.arg());
        wide.lpLocalName = const_cast<LPWSTR>(wLocal.arg());
        wide.lpProvider = const_cast<LPWSTR>(wProvider.arg());
        wide.lpRemoteName = const_cast<LPWSTR>(wRemote.arg());
    }
    return WNetAddConnection2W(resource != NULL ? &wide : NULL, wPassword.arg(), wUser.arg(), flags);
}

// What WNetAddConnection2A calls in a program built with the drop-in header.
__typeof__(WNetAddConnection2A) ml_WNetAddConnection2A;
DWORD WINAPI ml_WNetAddConnection2A(LPNETRESOURCEA resource, const char *password, const char *userName, DWORD flags)
{
    return ml_WNetAddConnection2(resource, password, userName, flags);
}
ML_IMPORT_POINTER(ml_WNetAddConnection2A, 16)

} // extern "C"
