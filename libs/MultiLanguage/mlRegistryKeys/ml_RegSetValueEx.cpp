// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegSetValueEx(HKEY key, const char *valueName, DWORD reserved, DWORD type, const BYTE *data, DWORD size)
{
    Wide wName;
    if (!wName.fromOptional(valueName)) {
        ml_Logger("ml_RegSetValueEx has failed to convert 1 at %d line, file: %s", ML_AT);
        return -1;
    }
    Wide wData;
    const BYTE *stored = data;
    DWORD storedSize = size;
    if (data != NULL && isText(type)) {
        const char *text = reinterpret_cast<const char *>(data);
        bool converted;
        if (type == REG_MULTI_SZ) {
            converted = listToUtf16(text, size, wData.out(), &storedSize);
        } else {
            // Zero-terminated text: the caller's size is not used.
            converted = wData.from(text);
            storedSize = converted ? static_cast<DWORD>((wcslen(wData.arg()) + 1) * sizeof(WCHAR)) : 0;
        }
        if (!converted) {
            ml_Logger("ml_RegSetValueEx has failed to convert 2 at %d line, file: %s", ML_AT);
            return -1;
        }
        stored = reinterpret_cast<const BYTE *>(wData.arg());
    }
    return RegSetValueExW(key, wName.arg(), reserved, type, stored, storedSize);
}

// What RegSetValueExA calls in a program built with the drop-in header.
__typeof__(RegSetValueExA) ml_RegSetValueExA;
LONG WINAPI ml_RegSetValueExA(HKEY key, const char *valueName, DWORD reserved, DWORD type, const BYTE *data, DWORD size)
{
    return ml_RegSetValueEx(key, valueName, reserved, type, data, size);
}
ML_IMPORT_POINTER(ml_RegSetValueExA, 24)

} // extern "C"
