// Profile (INI) files and the registry, in UTF-8.
#include <MultiLanguage/mlWinSystem.h>

#include <string.h>

#include "mlFacade.h"

using ml::Wide;

namespace {

// What the platform reports when a list did not fit its buffer and was cut:
// the capacity minus two.
const DWORD kCutList = Wide::Units - 2;

// A double-zero list of `units` UTF-16 units (entries with their zeros, the
// closing zero not counted) into the caller's buffer, which is cleared
// first. The closing zero is converted too, so a buffer that would hold the
// entries but not the closing zero fails instead of handing back an
// unclosed list; so does a buffer of no bytes, in which the conversion would
// only measure.
bool listToUtf8(WCHAR *list, DWORD units, char *out, DWORD size)
{
    list[units] = L'\0'; // closed by the platform already; units < Wide::Units here
    if (out != NULL)
        memset(out, 0, size);
    if (out != NULL && size == 0)
        return false;
    return ml_ConvertMultiSzUTF16toUTF8(list, static_cast<int>(units) + 1, out, ml::clampSize(size)) != 0;
}

// The length of a double-zero UTF-8 list up to and including its closing
// zero; an empty list is its one zero.
int listLength(const char *list)
{
    const char *p = list;
    while (*p != '\0')
        p += strlen(p) + 1;
    return ml::clampSize(static_cast<size_t>(p - list) + 1);
}

} // namespace

extern "C" {

UINT ml_GetPrivateProfileInt(const char *section, const char *key, INT defaultValue, const char *fileName)
{
    Wide wSection, wKey, wFile;
    if (!wSection.from(section) || !wKey.from(key) || !wFile.from(fileName)) {
        ml_Logger("ml_GetPrivateProfileInt has failed to convert at %d line, file: %s function params(%s,%s,%s)", ML_AT,
                  section, key, fileName);
        return static_cast<UINT>(-1);
    }
    return GetPrivateProfileIntW(wSection.arg(), wKey.arg(), defaultValue, wFile.arg());
}

DWORD ml_GetPrivateProfileString(const char *section, const char *key, const char *defaultValue, char *out,
                                 DWORD size, const char *fileName)
{
    Wide wSection, wKey, wDefault, wFile;
    if (!wSection.fromOptional(section) || !wKey.fromOptional(key) || !wDefault.fromOptional(defaultValue) ||
        !wFile.from(fileName))
        return 0;

    Wide value;
    const DWORD copied = GetPrivateProfileStringW(wSection.arg(), wKey.arg(), wDefault.arg(), value.out(),
                                                  Wide::Units, wFile.arg());
    if (copied == Wide::Units - 1) {
        ml_Logger("GetPrivateProfileStringW has failed with error dwError=%d", static_cast<int>(GetLastError()));
        return 0;
    }
    if (!ml::toCaller(value.out(), out, size)) {
        ml_Logger("ml_GetPrivateProfileSectionNames has failed to convert 2 at %d line, file: %s", ML_AT);
        return 0;
    }
    return copied;
}

BOOL ml_WritePrivateProfileString(const char *section, const char *key, const char *value, const char *fileName)
{
    Wide wSection, wFile, wKey, wValue;
    if (!wSection.from(section) || !wFile.from(fileName)) {
        ml_Logger("ml_WritePrivateProfileString has failed to convert at %d line, file: %s function params(%s,%s,%s,%s)",
                  ML_AT, section, key, value, fileName);
        return -1;
    }
    if (!wKey.fromOptional(key)) {
        ml_Logger("ml_WritePrivateProfileString has failed to convert at %d line, file: %s function params(%s)", ML_AT,
                  key);
        return -1;
    }
    if (!wValue.fromOptional(value)) {
        ml_Logger("ml_WritePrivateProfileString has failed to convert at %d line, file: %s function params(%s)", ML_AT,
                  value);
        return -1;
    }
    const BOOL written = WritePrivateProfileStringW(wSection.arg(), wKey.arg(), wValue.arg(), wFile.arg());
    if (!written)
        ml_Logger("WritePrivateProfileStringW has failed with error dwError=%d", static_cast<int>(GetLastError()));
    return written;
}

DWORD ml_GetPrivateProfileSection(const char *section, char *out, DWORD size, const char *fileName)
{
    Wide wSection, wFile;
    if (!wSection.from(section) || !wFile.from(fileName)) {
        ml_Logger("ml_GetPrivateProfileSection has failed to convert at %d line, file: %s function params(%s,%s)", ML_AT,
                  section, fileName);
        return 0;
    }
    Wide list;
    const DWORD copied = GetPrivateProfileSectionW(wSection.arg(), list.out(), Wide::Units, wFile.arg());
    if (copied == kCutList) {
        ml_Logger("GetPrivateProfileSectionW has failed with error dwError=%d", static_cast<int>(GetLastError()));
        return 0;
    }
    if (!listToUtf8(list.out(), copied, out, size)) {
        ml_Logger("ml_GetPrivateProfileSection has failed to convert 2 at %d line, file: %s", ML_AT);
        return 0;
    }
    return copied;
}

DWORD ml_GetPrivateProfileSectionNames(char *out, DWORD size, const char *fileName)
{
    Wide wFile;
    if (!wFile.from(fileName)) {
        ml_Logger("ml_GetPrivateProfileSectionNames has failed to convert at %d line, file: %s function params(%s)", ML_AT,
                  fileName);
        return 0;
    }
    Wide list;
    const DWORD copied = GetPrivateProfileSectionNamesW(list.out(), Wide::Units, wFile.arg());
    // Cleared before the result is looked at: a cut list leaves only zeros.
    if (out != NULL)
        memset(out, 0, size);
    if (copied == kCutList) {
        ml_Logger("GetPrivateProfileSectionNamesW has failed with error dwError=%d", static_cast<int>(GetLastError()));
        return 0;
    }
    if (!listToUtf8(list.out(), copied, out, size)) {
        ml_Logger("ml_GetPrivateProfileSectionNames has failed to convert 2 at %d line, file: %s", ML_AT);
        return 0;
    }
    return copied;
}

BOOL ml_GetPrivateProfileStruct(const char *section, const char *key, LPVOID structure, UINT size,
                                const char *fileName)
{
    Wide wSection, wKey, wFile;
    if (!wSection.from(section) || !wKey.from(key) || !wFile.from(fileName)) {
        ml_Logger("ml_GetPrivateProfileString has failed to convert at %d line, file: %s function params(%s,%s,%s)", ML_AT,
                  section, key, fileName);
        return -1;
    }
    const BOOL read = GetPrivateProfileStructW(wSection.arg(), wKey.arg(), structure, size, wFile.arg());
    if (!read) {
        ml_Logger("GetPrivateProfileStructW has failed with error dwError=%d", static_cast<int>(GetLastError()));
        return 0;
    }
    return read;
}

UINT ml_GetProfileInt(const char *section, const char *key, INT defaultValue)
{
    return GetProfileIntA(section, key, defaultValue);
}

DWORD ml_GetProfileSection(const char *section, char *out, DWORD size)
{
    return GetProfileSectionA(section, out, size);
}

DWORD ml_GetProfileString(const char *section, const char *key, const char *defaultValue, char *out, DWORD size)
{
    return GetProfileStringA(section, key, defaultValue, out, size);
}

BOOL ml_WritePrivateProfileSection(const char *section, const char *content, const char *fileName)
{
    Wide wSection, wContent, wFile;
    // The content crosses whole: every entry and the closing zero.
    const int contentLength = content != NULL ? listLength(content) : -1;
    if (!wSection.from(section) ||
        !ml_ConvertMultiSzUTF8toUTF16(content, contentLength, wContent.out(), Wide::Bytes) ||
        !wFile.from(fileName)) {
        ml_Logger("ml_WritePrivateProfileSection has failed to convert at %d line, file: %s function params(%s,%s,%s)",
                  ML_AT, section, content, fileName);
        return -1;
    }
    const BOOL written = WritePrivateProfileSectionW(wSection.arg(), wContent.arg(), wFile.arg());
    if (!written)
        ml_Logger("WritePrivateProfileSectionW has failed with error dwError=%d", static_cast<int>(GetLastError()));
    return written;
}

BOOL ml_WritePrivateProfileStruct(const char *section, const char *key, LPVOID structure, UINT size,
                                  const char *fileName)
{
    Wide wSection, wKey, wFile;
    if (!wSection.from(section) || !wKey.from(key) || !wFile.from(fileName)) {
        ml_Logger("ml_WritePrivateProfileStruct has failed to convert at %d line, file: %s function params(%s,%s,%s)",
                  ML_AT, section, key, fileName);
        return -1;
    }
    const BOOL written = WritePrivateProfileStructW(wSection.arg(), wKey.arg(), structure, size, wFile.arg());
    if (!written)
        ml_Logger("WritePrivateProfileStructW has failed with error dwError=%d", static_cast<int>(GetLastError()));
    return written;
}

BOOL ml_WriteProfileSection(const char *section, const char *content)
{
    return WriteProfileSectionA(section, content);
}

BOOL ml_WriteProfileString(const char *section, const char *key, const char *value)
{
    return WriteProfileStringA(section, key, value);
}

} // extern "C"
