// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_ConvertFindData16to8(const ml_wfinddata_t *in, ml_finddata_t *out)
{
    if (in == NULL || out == NULL) {
        ml_Logger("ml_ConvertFindData16to8 has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    out->attrib = in->attrib;
    out->time_create = in->time_create;
    out->time_access = in->time_access;
    out->time_write = in->time_write;
    out->size = in->size;
    const int result = ml_ConvertUTF16toUTF8(in->name, out->name, sizeof out->name);
    if (!result)
        ml_Logger("ml_ConvertFindData16to8 has failed to convert at %d line, file: %s", ML_AT);
    return result;
}

} // extern "C"
