// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

int ml_ConvertWIN32FindData16to8(const WIN32_FIND_DATAW *in, WIN32_FIND_DATAA *out)
{
    LastErrorKeeper keep;
    if (in == NULL || out == NULL) {
        ml_Logger("ml_ConvertWIN32FindData16to8 has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    out->dwFileAttributes = in->dwFileAttributes;
    out->ftCreationTime = in->ftCreationTime;
    out->ftLastAccessTime = in->ftLastAccessTime;
    out->ftLastWriteTime = in->ftLastWriteTime;
    out->nFileSizeHigh = in->nFileSizeHigh;
    out->nFileSizeLow = in->nFileSizeLow;
    out->dwReserved0 = in->dwReserved0;
    out->dwReserved1 = in->dwReserved1;
    // Both names are always attempted.
    const int alternate = ml_ConvertUTF16toUTF8(in->cAlternateFileName, out->cAlternateFileName,
                                                sizeof out->cAlternateFileName);
    const int name = ml_ConvertUTF16toUTF8(in->cFileName, out->cFileName, sizeof out->cFileName);
    const int result = alternate && name;
    if (!result)
        ml_Logger("ml_ConvertWIN32FindData16to8 has failed to convert at %d line, file: %s", ML_AT);
    return result;
}

} // extern "C"
