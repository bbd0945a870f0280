// The C runtime (msvcrt) with UTF-8 names.
#include <MultiLanguage/mlGeneral.h>

#include <io.h>
#include <stdio.h>

#include "mlFacade.h"

using ml::Wide;

extern "C" {

int ml_snprintf(char *buffer, size_t count, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const int result = _vsnprintf(buffer, count, format, args);
    va_end(args);
    return result;
}

int ml_creat(const char *path, int mode)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_creat has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return _wcreat(wPath.arg(), mode);
}

int ml_access(const char *path, int mode)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_access has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return _waccess(wPath.arg(), mode);
}

} // extern "C"
