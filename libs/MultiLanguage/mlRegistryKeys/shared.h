// What the members of mlRegistryKeys share. Private to the library.
#ifndef ML_MLREGISTRYKEYS_SHARED_H
#define ML_MLREGISTRYKEYS_SHARED_H

#include <MultiLanguage/mlWinSystem.h>

#include <stdlib.h>
#include <string.h>

#include "mlFacade.h"

using ml::Wide;

namespace {

// Value types whose data crosses in UTF-8. REG_LINK is text only to
// ml_RegQueryValueEx.
inline bool isText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// UTF-16 value data of the length the platform reported (an odd last byte
// dropped) as UTF-8 into out, never read past that length. *utf8Size gets
// its UTF-8 size, terminators included as far as the data holds them. out
// must be zeroed: a list that begins with its terminator converts to that
// one zero.
inline bool dataToUtf8(const BYTE *data, DWORD bytes, char *out, int outSize, DWORD *utf8Size)
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
inline bool listToUtf16(const char *list, DWORD bytes, WCHAR *out, DWORD *wideSize)
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

#endif // ML_MLREGISTRYKEYS_SHARED_H
