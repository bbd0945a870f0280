// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

errno_t ml_getenv_s(size_t *required, char *buffer, size_t size, const char *name)
{
    if (required == NULL)
        return errno = EINVAL;
    *required = 0;
    // A size query has no buffer; a buffer has room for the zero at least.
    if ((buffer == NULL) != (size == 0))
        return errno = EINVAL;
    if (buffer != NULL)
        buffer[0] = '\0';
    Wide wName;
    if (!wName.from(name)) {
        ml_Logger("ml_getenv_s has failed to convert 1 at %d line, file: %s", ML_AT);
        return errno = wName.refusal();
    }
    // The runtime's own value, of any length: converted from where it is.
    const WCHAR *value = _wgetenv(wName.arg());
    if (value == NULL)
        return 0;
    *required = ml_GetUTF16toUTF8Size(value);
    if (size == 0)
        return 0;
    if (*required > size)
        return ERANGE;
    if (!ml_ConvertUTF16toUTF8(value, buffer, ml::clampSize(size))) {
        ml_Logger("ml_getenv_s has failed to convert 2 at %d line, file: %s", ML_AT);
        buffer[0] = '\0';
        return errno = EILSEQ;
    }
    return 0;
}

} // extern "C"
