// What the members of mlRegistry share. Private to the library.
#ifndef ML_MLREGISTRY_SHARED_H
#define ML_MLREGISTRY_SHARED_H

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
inline bool listToUtf8(WCHAR *list, DWORD units, char *out, DWORD size)
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
inline int listLength(const char *list)
{
    const char *p = list;
    while (*p != '\0')
        p += strlen(p) + 1;
    return ml::clampSize(static_cast<size_t>(p - list) + 1);
}

} // namespace

#endif // ML_MLREGISTRY_SHARED_H
