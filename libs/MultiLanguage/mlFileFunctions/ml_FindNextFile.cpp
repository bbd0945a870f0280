// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_FindNextFile(HANDLE search, LPWIN32_FIND_DATAA findData)
{
    WIN32_FIND_DATAW found;
    const BOOL next = FindNextFileW(search, &found);
    if (next && findData != NULL && !ml_ConvertWIN32FindData16to8(&found, findData)) {
        ml_Logger("ml_FindNextFile has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return next;
}

// What FindNextFileA calls in a program built with the drop-in header.
__typeof__(FindNextFileA) ml_FindNextFileA;
BOOL WINAPI ml_FindNextFileA(HANDLE search, LPWIN32_FIND_DATAA findData)
{
    return ml_FindNextFile(search, findData);
}
ML_IMPORT_POINTER(ml_FindNextFileA, 8)

} // extern "C"
