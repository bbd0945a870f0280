// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegEnumKeyEx(HKEY key, DWORD index, char *name, LPDWORD nameSize, LPDWORD reserved, char *className,
                     LPDWORD classSize, PFILETIME lastWriteTime)
{
    if ((name != NULL && nameSize == NULL) || (className != NULL && classSize == NULL))
        return ERROR_INVALID_PARAMETER;
    Wide wName, wClass;
    DWORD nameUnits = name != NULL ? static_cast<DWORD>(Wide::Units) : 0;
    DWORD classUnits = className != NULL ? static_cast<DWORD>(Wide::Units) : 0;
    const LONG result = RegEnumKeyExW(key, index, name != NULL ? wName.out() : NULL, &nameUnits, reserved,
                                      className != NULL ? wClass.out() : NULL, &classUnits, lastWriteTime);
    if (result != ERROR_SUCCESS)
        return result;

    bool ok = true;
    if (name != NULL) {
        ok = ml::toCaller(wName.out(), name, *nameSize) && ok;
        *nameSize = ml_GetUTF16toUTF8Size(wName.out());
    }
    if (className != NULL) {
        ok = ml::toCaller(wClass.out(), className, *classSize) && ok;
        *classSize = ml_GetUTF16toUTF8Size(wClass.out());
    }
    if (!ok) {
        ml_Logger("ml_RegEnumKeyEx has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return ERROR_SUCCESS;
}

} // extern "C"
