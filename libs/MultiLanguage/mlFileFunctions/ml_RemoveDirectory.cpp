// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_RemoveDirectory(const char *path)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_RemoveDirectory has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return RemoveDirectoryW(wPath.arg());
}

} // extern "C"
