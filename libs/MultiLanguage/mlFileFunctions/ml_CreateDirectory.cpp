// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

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
