// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SetCurrentDirectory(const char *path)
{
    Wide wPath;
    if (!wPath.fromOptional(path)) {
        ml_Logger("ml_SetCurrentDirectory has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetCurrentDirectoryW(wPath.arg());
}

} // extern "C"
