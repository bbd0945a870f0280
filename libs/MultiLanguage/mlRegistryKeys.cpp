// Registry keys and values, in UTF-8.
#include <MultiLanguage/mlWinSystem.h>

#include <stdlib.h>
#include <string.h>

#include "mlFacade.h"

using ml::Wide;

namespace {

// Value types whose data crosses in UTF-8. REG_LINK is text only to
// ml_RegQueryValueEx.
bool isText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// UTF-16 value data of the length the platform reported (an odd last byte
// dropped) as UTF-8 into out, never read past that length. *utf8Size gets
// its UTF-8 size, terminators included as far as the data holds them. out
// must be zeroed: a list that begins with its terminator converts to that
// one zero.
bool dataToUtf8(const BYTE *data, DWORD bytes, char *out, int outSize, DWORD *utf8Size)
{
    const int units = static_cast<int>(bytes / sizeof(WCHAR));
    *utf8Size = 0;
    if (units == 0)
        return true;
    const WCHAR *wide = reinterpret_cast<const WCHAR *>(data);
    if (!ml_ConvertMultiSzUTF16toUTF8(wide, units, out, outSize))
        return false;
    *utf8Size = ml_GetMultiSzUTF16toUTF8Size(wide, units);
    return true;
}

// A UTF-8 list of the caller's length as UTF-16 into its conversion buffer;
// *wideSize gets the bytes to store. Empty input stores nothing.
bool listToUtf16(const char *list, DWORD bytes, WCHAR *out, DWORD *wideSize)
{
    *wideSize = 0;
    if (bytes == 0)
        return true;
    const int length = ml::clampSize(bytes);
    const unsigned int needed = ml_GetMultiSzUTF8toUTF16Size(list, length);
    // A list that begins with its terminator converts to one zero unit; the
    // rest of what is stored must be zeros too, not stale stack.
    if (needed <= ML_CONV_BUF_BYTES)
        memset(out, 0, needed);
    if (!ml_ConvertMultiSzUTF8toUTF16(list, length, out, ML_CONV_BUF_BYTES))
        return false;
    *wideSize = needed;
    return true;
}

} // namespace

extern "C" {

LONG ml_RegQueryValueEx(HKEY key, const char *valueName, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size)
{
    Wide wName;
    if (!wName.from(valueName)) {
        ml_Logger("ml_RegQueryValueEx has failed to convert 1 at %d line, file: %s", ML_AT);
        return -1;
    }
    const DWORD callerSize = size != NULL ? *size : 0;

    // The member needs the type to choose a conversion, whether or not the
    // caller asked for it.
    DWORD ownType = REG_NONE;
    LPDWORD valueType = type != NULL ? type : &ownType;
    const LONG result = RegQueryValueExW(key, wName.arg(), reserved, valueType, data, size);
    if (result != ERROR_SUCCESS || data == NULL || size == NULL || !(isText(*valueType) || *valueType == REG_LINK))
        return result;

    char utf8[ML_MAX_CHAR];
    memset(utf8, 0, sizeof utf8);
    DWORD utf8Size = 0;
    if (!dataToUtf8(data, *size, utf8, sizeof utf8, &utf8Size)) {
        ml_Logger("ml_RegQueryValueEx has failed to convert 2 at %d line, file: %s", ML_AT);
        return -1;
    }
    *size = utf8Size;
    if (utf8Size > callerSize)
        return ERROR_MORE_DATA;
    memcpy(data, utf8, utf8Size);
    // Data stored without its terminator arrives terminated, room permitting.
    if (utf8Size < callerSize)
        data[utf8Size] = 0;
    return ERROR_SUCCESS;
}

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

LONG ml_RegQueryValue(HKEY key, const char *subKey, char *value, PLONG valueSize)
{
    // The platform allows a NULL size when no value is asked for.
    if (value != NULL && valueSize == NULL)
        return ERROR_INVALID_PARAMETER;
    const LONG callerSize = valueSize != NULL ? *valueSize : 0;
    Wide wSubKey;
    if (!wSubKey.fromOptional(subKey)) {
        ml_Logger("ml_RegQueryValue has failed to convert 1 at %d line, file: %s", ML_AT);
        return -1;
    }
    if (value == NULL)
        return RegQueryValueW(key, wSubKey.arg(), NULL, valueSize);

    Wide wValue;
    LONG capacity = callerSize < 0 ? 0 : (callerSize > Wide::Bytes ? static_cast<LONG>(Wide::Bytes) : callerSize);
    const LONG result = RegQueryValueW(key, wSubKey.arg(), wValue.out(), &capacity);
    if (result != ERROR_SUCCESS) {
        // What the platform needs, in UTF-16 bytes, as without a buffer.
        if (result == ERROR_MORE_DATA)
            *valueSize = capacity;
        return result;
    }
    const bool converted = ml::toCaller(wValue.out(), value, callerSize);
    *valueSize = static_cast<LONG>(ml_GetUTF16toUTF8Size(wValue.out()));
    if (!converted) {
        ml_Logger("ml_RegQueryValue has failed to convert 2 at %d line, file: %s", ML_AT);
        return -1;
    }
    return ERROR_SUCCESS;
}

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

LONG ml_RegConnectRegistry(const char *machineName, HKEY key, PHKEY result)
{
    Wide wMachine;
    if (!wMachine.fromOptional(machineName)) {
        ml_Logger("ml_RegConnectRegistry has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegConnectRegistryW(wMachine.arg(), key, result);
}

LONG ml_RegCreateKey(HKEY key, const char *subKey, PHKEY result)
{
    Wide wSubKey;
    if (!wSubKey.fromOptional(subKey)) {
        ml_Logger("ml_RegCreateKey has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegCreateKeyW(key, wSubKey.arg(), result);
}

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

LONG ml_RegDeleteKey(HKEY key, const char *subKey)
{
    Wide wSubKey;
    if (!wSubKey.fromOptional(subKey)) {
        ml_Logger("ml_RegDeleteKey has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegDeleteKeyW(key, wSubKey.arg());
}

LONG ml_RegDeleteValue(HKEY key, const char *valueName)
{
    Wide wName;
    if (!wName.fromOptional(valueName)) {
        ml_Logger("ml_RegDeleteValue has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegDeleteValueW(key, wName.arg());
}

LONG ml_RegLoadKey(HKEY key, const char *subKey, const char *file)
{
    Wide wSubKey, wFile;
    bool ok = wSubKey.fromOptional(subKey);
    ok = wFile.fromOptional(file) && ok;
    if (!ok) {
        ml_Logger("ml_RegLoadKey has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegLoadKeyW(key, wSubKey.arg(), wFile.arg());
}

LONG ml_RegOpenKey(HKEY key, const char *subKey, PHKEY result)
{
    Wide wSubKey;
    if (!wSubKey.fromOptional(subKey)) {
        ml_Logger("ml_RegOpenKey has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegOpenKeyW(key, wSubKey.arg(), result);
}

LONG ml_RegOpenKeyEx(HKEY key, const char *subKey, DWORD options, REGSAM access, PHKEY result)
{
    Wide wSubKey;
    if (!wSubKey.fromOptional(subKey)) {
        ml_Logger("ml_RegOpenKeyEx has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegOpenKeyExW(key, wSubKey.arg(), options, access, result);
}

LONG ml_RegReplaceKey(HKEY key, const char *subKey, const char *newFile, const char *oldFile)
{
    Wide wSubKey, wNew, wOld;
    bool ok = wSubKey.fromOptional(subKey);
    ok = wNew.fromOptional(newFile) && ok;
    ok = wOld.fromOptional(oldFile) && ok;
    if (!ok) {
        ml_Logger("ml_RegReplaceKey has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegReplaceKeyW(key, wSubKey.arg(), wNew.arg(), wOld.arg());
}

LONG ml_RegSaveKey(HKEY key, const char *file, LPSECURITY_ATTRIBUTES security)
{
    Wide wFile;
    if (!wFile.fromOptional(file)) {
        ml_Logger("ml_RegSaveKey has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegSaveKeyW(key, wFile.arg(), security);
}

LONG ml_RegUnLoadKey(HKEY key, const char *subKey)
{
    Wide wSubKey;
    if (!wSubKey.fromOptional(subKey)) {
        ml_Logger("ml_RegUnLoadKey has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return RegUnLoadKeyW(key, wSubKey.arg());
}

LONG ml_RegCloseKey(HKEY key) { return RegCloseKey(key); }

LONG ml_RegFlushKey(HKEY key) { return RegFlushKey(key); }

LONG ml_RegGetKeySecurity(HKEY key, SECURITY_INFORMATION information, PSECURITY_DESCRIPTOR descriptor,
                          LPDWORD descriptorSize)
{
    return RegGetKeySecurity(key, information, descriptor, descriptorSize);
}

LONG ml_RegNotifyChangeKeyValue(HKEY key, BOOL watchSubtree, DWORD filter, HANDLE event, BOOL asynchronous)
{
    return RegNotifyChangeKeyValue(key, watchSubtree, filter, event, asynchronous);
}

LONG ml_RegSetKeySecurity(HKEY key, SECURITY_INFORMATION information, PSECURITY_DESCRIPTOR descriptor)
{
    return RegSetKeySecurity(key, information, descriptor);
}

} // extern "C"
