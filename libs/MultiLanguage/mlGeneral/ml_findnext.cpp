// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_findnext(intptr_t handle, ml_finddata_t *fileinfo)
{
    ml_wfinddata_t found;
    const int result = wideFindNext(handle, &found);
    LastErrorKeeper searchError;
    if (result != -1 && !ml_ConvertFindData16to8(&found, fileinfo)) {
        // The search stays open: the next call continues after this match.
        ml_Logger("ml_findnext has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return result;
}

} // extern "C"
