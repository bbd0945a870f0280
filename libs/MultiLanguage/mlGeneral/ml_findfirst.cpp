// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

intptr_t ml_findfirst(const char *filespec, ml_finddata_t *fileinfo)
{
    Wide wSpec;
    if (!wSpec.from(filespec)) {
        ml_Logger("ml_findfirst has failed to convert 1 at %d line, file: %s", ML_AT);
        refuse({&wSpec});
        return -1;
    }
    ml_wfinddata_t found;
    const intptr_t handle = wideFindFirst(wSpec.arg(), &found);
    // The caller sees what the search left, whatever follows.
    LastErrorKeeper searchError;
    if (handle == -1)
        return -1;
    if (!ml_ConvertFindData16to8(&found, fileinfo)) {
        ml_Logger("ml_findfirst has failed to convert 2 at %d line, file: %s", ML_AT);
        // No search is handed out whose first match cannot be read.
        ml_findclose(handle);
        return -1;
    }
    return handle;
}

} // extern "C"
