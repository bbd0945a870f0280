// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegCreateKeyEx(HKEY key, const char *subKey, DWORD reserved, const char *className, DWORD options,
                       REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition)
{
    Wide wSubKey, wClass;
    bool ok = wSubKey.fromOptional(subKey);
    ok = wClass.fromOptional(className) && ok;
    if (!ok) {
        ml_Logger("ml_RegCreateKeyEx has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegCreateKeyExW(key, wSubKey.arg(), reserved, const_cast<WCHAR *>(wClass.arg()), options, access,
                           security, result, disposition);
}

// What RegCreateKeyExA calls in a program built with the drop-in header.
__typeof__(RegCreateKeyExA) ml_RegCreateKeyExA;
LONG WINAPI ml_RegCreateKeyExA(HKEY key, const char *subKey, DWORD reserved, LPSTR className, DWORD options,
                               REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition)
{
    return ml_RegCreateKeyEx(key, subKey, reserved, className, options, access, security, result, disposition);
}
ML_IMPORT_POINTER(ml_RegCreateKeyExA, 36)

} // extern "C"
