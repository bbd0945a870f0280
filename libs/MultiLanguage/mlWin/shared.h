// What the members of mlWin share. Private to the library.
#ifndef ML_MLWIN_SHARED_H
#define ML_MLWIN_SHARED_H

#include <MultiLanguage/mlWin.h>

#include <psapi.h>
#include <shellapi.h>
#include <shlwapi.h>
#include <stdlib.h>
#include <string.h>

#include <MultiLanguage/mlGeneral.h>

#include "mlFacade.h"

using ml::InPlace;
using ml::LastErrorKeeper;
using ml::toCaller;
using ml::Wide;

namespace {

// The longest command line a process can have, with its zero: what
// ml_CommandLineToArgv takes.
const int kCommandLineUnits = 32768;

// Units of the smaller wide buffers: event names, module paths of another
// process, byte-size texts.
const int kShortUnits = 520;

// UTF-8 size of a wide text, its terminator included, and its length.
inline int utf8Size(const WCHAR *text)
{
    return static_cast<int>(ml_GetUTF16toUTF8Size(text));
}

inline int utf8Length(const WCHAR *text)
{
    return utf8Size(text) - 1;
}

// The platform reported a result too long for the member's wide buffer and
// left no whole text there: nothing may be converted. Records, leaves
// ERROR_INSUFFICIENT_BUFFER and returns 0.
inline int unfilled(const char *format, int line)
{
    ml_Logger(format, line, __FILE__);
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
}

// The folder that query names, into the caller's buffer: its UTF-8 length,
// or with no buffer the same; the size needed with the zero when it does
// not fit; 0 when the platform fails or the folder overflows the wide buffer.
inline UINT systemFolder(UINT(WINAPI *query)(LPWSTR, UINT), const char *record, char *buffer, UINT size)
{
    Wide folder;
    const UINT n = query(folder.out(), Wide::Units);
    if (n == 0)
        return 0;
    if (n >= UINT(Wide::Units))
        return unfilled(record, __LINE__);
    if (buffer == NULL)
        return utf8Length(folder.out());
    if (!toCaller(folder.out(), buffer, size)) {
        ml_Logger(record, ML_AT);
        return utf8Size(folder.out());
    }
    return utf8Length(folder.out());
}

// The whole length of a window's text, the last error kept.
inline int fullLength(HWND window)
{
    LastErrorKeeper keep;
    return GetWindowTextLengthW(window);
}

// The wide startup record: the caller's flags and standard handles, and its
// show-window value when the flags announce one; everything else zero.
inline STARTUPINFOW wideStartup(const STARTUPINFOA &in)
{
    STARTUPINFOW out;
    ZeroMemory(&out, sizeof out);
    out.cb = sizeof out;
    out.dwFlags = in.dwFlags;
    if (in.dwFlags & STARTF_USESHOWWINDOW)
        out.wShowWindow = in.wShowWindow;
    out.hStdInput = in.hStdInput;
    out.hStdOutput = in.hStdOutput;
    out.hStdError = in.hStdError;
    return out;
}

} // namespace

#endif // ML_MLWIN_SHARED_H
