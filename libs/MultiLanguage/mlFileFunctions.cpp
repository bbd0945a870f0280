// Files, folders, drives and paths, in UTF-8.
#include <MultiLanguage/mlFileFunctions.h>

#include <shlobj.h>
#include <shlwapi.h>
#include <string.h>

#include "mlFacade.h"

using ml::Wide;

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

HRESULT ml_SHGetFolderPath(HWND owner, int csidl, HANDLE token, DWORD flags, char *path)
{
    Wide folder;
    const HRESULT result = SHGetFolderPathW(owner, csidl, token, flags, path != NULL ? folder.out() : NULL);
    if (path != NULL && result >= 0 && !folder.to(path, Wide::Bytes)) {
        ml_Logger("ml_SHGetFolderPath has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return result;
}

BOOL ml_CreateDirectory(const char *path, LPSECURITY_ATTRIBUTES attributes)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_CreateDirectory has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return CreateDirectoryW(wPath.arg(), attributes);
}

} // extern "C"
