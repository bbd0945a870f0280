// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegEnumValue(HKEY key, DWORD index, char *valueName, LPDWORD nameSize, LPDWORD reserved, LPDWORD type,
                     LPBYTE data, LPDWORD dataSize)
{
    if (valueName != NULL && nameSize == NULL)
        return ERROR_INVALID_PARAMETER;
    Wide wName;
    DWORD nameUnits = valueName != NULL ? static_cast<DWORD>(Wide::Units) : 0;
    const DWORD callerSize = dataSize != NULL ? *dataSize : 0;

    DWORD ownType = REG_NONE;
    LPDWORD valueType = type != NULL ? type : &ownType;
    const LONG result = RegEnumValueW(key, index, valueName != NULL ? wName.out() : NULL, &nameUnits, reserved,
                                      valueType, data, dataSize);
    if (result != ERROR_SUCCESS)
        return result;
    // The heap calls below must not change what the caller sees.
    ml::LastErrorKeeper keep;

    if (valueName != NULL) {
        const DWORD length = ml_GetMultiSzUTF16toUTF8Size(wName.out(), static_cast<int>(nameUnits));
        if (!ml::toCaller(wName.out(), valueName, *nameSize)) {
            *nameSize = length + 1;
            ml_Logger("ml_RegEnumValue has failed to convert 1 at %d line, file: %s", ML_AT);
            return ERROR_NOT_ENOUGH_MEMORY;
        }
        *nameSize = length;
    }
    if (data == NULL || dataSize == NULL || !isText(*valueType))
        return ERROR_SUCCESS;

    char *utf8 = static_cast<char *>(calloc(callerSize > 0 ? callerSize : 1, 1));
    if (utf8 == NULL) {
        ml_Logger("ml_RegEnumValue has failed to convert 2 at %d line, file: %s", ML_AT);
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    DWORD utf8Size = 0;
    const bool converted = dataToUtf8(data, *dataSize, utf8, ml::clampSize(callerSize), &utf8Size);
    DWORD copied = 0;
    LONG outcome = ERROR_SUCCESS;
    if (*valueType == REG_MULTI_SZ) {
        if (converted) {
            *dataSize = copied = utf8Size;
        } else {
            ml_Logger("ml_RegEnumValue has failed to convert 4 at %d line, file: %s", ML_AT);
            outcome = ERROR_NOT_ENOUGH_MEMORY;
        }
    } else {
        // The text ends at its first zero; it is handed back terminated, so
        // data stored without a terminator needs one more byte.
        const DWORD length = converted ? static_cast<DWORD>(strnlen(utf8, utf8Size)) : 0;
        if (converted && length < callerSize) {
            *dataSize = length;
            copied = length + 1;
        } else {
            ml_Logger("ml_RegEnumValue has failed to convert 3 at %d line, file: %s", ML_AT);
            outcome = ERROR_NOT_ENOUGH_MEMORY;
        }
    }
    // Only what the conversion wrote goes back, and a terminator after a
    // list stored without its last one.
    memcpy(data, utf8, copied);
    if (outcome == ERROR_SUCCESS && *valueType == REG_MULTI_SZ && copied < callerSize)
        data[copied] = 0;
    free(utf8);
    return outcome;
}

} // extern "C"
