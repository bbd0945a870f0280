// What the members of mlFileFunctions share. Private to the library.
#ifndef ML_MLFILEFUNCTIONS_SHARED_H
#define ML_MLFILEFUNCTIONS_SHARED_H

#include <MultiLanguage/mlFileFunctions.h>

#include <shlobj.h>
#include <shlwapi.h>
#include <stdlib.h>
#include <string.h>

#include <MultiLanguage/mlGeneral.h>

#include "mlFacade.h"

using ml::LastErrorKeeper;
using ml::Wide;

namespace {

// A wide list of units UTF-16 units, all its zeros counted, into the
// caller's buffer; refused, as ml::toCaller refuses text, when the buffer
// has no bytes.
inline bool listToCaller(const WCHAR *list, DWORD units, char *out, DWORD size)
{
    if (out != NULL && size == 0)
        return false;
    return ml_ConvertMultiSzUTF16toUTF8(list, static_cast<int>(units), out, ml::clampSize(size)) != 0;
}

// A wide path function returns its length when the path fitted the
// conversion buffer and the units it needs (more than the buffer) when not;
// then it wrote nothing there that could be converted or measured.
inline bool fitted(DWORD units) { return units < Wide::Units; }

// The answer to a path too long for the conversion buffer: nothing, and the
// platform's code for a buffer too small.
inline DWORD tooLong()
{
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
}

// The UTF-8 size, zero included, of a zero-terminated wide text.
inline DWORD utf8Size(const WCHAR *text) { return ml_GetUTF16toUTF8Size(text); }

} // namespace

#endif // ML_MLFILEFUNCTIONS_SHARED_H
