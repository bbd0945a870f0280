// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegSetValue(HKEY key, const char *subKey, DWORD type, const char *data, DWORD size)
{
    Wide wSubKey, wData;
    bool ok = wSubKey.fromOptional(subKey);
    ok = wData.fromOptional(data) && ok;
    if (!ok) {
        ml_Logger("ml_RegSetValue has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    if (data != NULL)
        size = static_cast<DWORD>((wcslen(wData.arg()) + 1) * sizeof(WCHAR));
    return RegSetValueW(key, wSubKey.arg(), type, wData.arg(), size);
}

// What RegSetValueA calls in a program built with the drop-in header.
__typeof__(RegSetValueA) ml_RegSetValueA;
LONG WINAPI ml_RegSetValueA(HKEY key, const char *subKey, DWORD type, const char *data, DWORD size)
{
    return ml_RegSetValue(key, subKey, type, data, size);
}
ML_IMPORT_POINTER(ml_RegSetValueA, 20)

} // extern "C"
