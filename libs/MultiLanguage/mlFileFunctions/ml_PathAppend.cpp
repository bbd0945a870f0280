// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_PathAppend(char *path, const char *more)
{
    if (path == NULL || more == NULL)
        return FALSE;
    // Neither text can fit a MAX_PATH result: refuse before converting, so
    // that no conversion record is written for a plain "does not fit".
    if (strnlen(path, MAX_PATH) >= MAX_PATH || ml_GetUTF8toUTF16Size(more) > MAX_PATH * sizeof(WCHAR))
        return FALSE;
    Wide wPath, wMore;
    if (!wPath.from(path) || !wMore.from(more))
        return FALSE;
    if (!PathAppendW(wPath.out(), wMore.arg()))
        return FALSE;
    if (ml_GetUTF16toUTF8Size(wPath.arg()) > MAX_PATH)
        return FALSE;
    return wPath.to(path, MAX_PATH) ? TRUE : FALSE;
}

// What PathAppendA calls in a program built with the drop-in header.
__typeof__(PathAppendA) ml_PathAppendA;
BOOL WINAPI ml_PathAppendA(char *path, const char *more)
{
    return ml_PathAppend(path, more);
}
ML_IMPORT_POINTER(ml_PathAppendA, 8)

} // extern "C"
