// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

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

} // extern "C"
