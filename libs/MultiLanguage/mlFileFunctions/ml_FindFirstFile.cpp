// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

HANDLE ml_FindFirstFile(const char *fileName, LPWIN32_FIND_DATAA findData)
{
    Wide wFile;
    if (!wFile.from(fileName)) {
        ml_Logger("ml_FindFirstFile has failed to convert 1 at %d line, file: %s", ML_AT);
        return INVALID_HANDLE_VALUE;
    }
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(wFile.arg(), &found);
    if (search == INVALID_HANDLE_VALUE || findData == NULL)
        return search;
    if (!ml_ConvertWIN32FindData16to8(&found, findData)) {
        // A handle whose first match the caller cannot read is no use.
        ml_Logger("ml_FindFirstFile has failed to convert 2 at %d line, file: %s", ML_AT);
        LastErrorKeeper keep;
        FindClose(search);
        return INVALID_HANDLE_VALUE;
    }
    return search;
}

// What FindFirstFileA calls in a program built with the drop-in header.
__typeof__(FindFirstFileA) ml_FindFirstFileA;
HANDLE WINAPI ml_FindFirstFileA(const char *fileName, LPWIN32_FIND_DATAA findData)
{
    return ml_FindFirstFile(fileName, findData);
}
ML_IMPORT_POINTER(ml_FindFirstFileA, 8)

} // extern "C"
