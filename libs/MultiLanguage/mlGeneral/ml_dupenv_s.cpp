// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

errno_t ml_dupenv_s(char **buffer, size_t *size, const char *name)
{
    if (buffer == NULL)
        return errno = EINVAL;
    *buffer = NULL;
    if (size != NULL)
        *size = 0;
    Wide wName;
    if (!wName.from(name)) {
        ml_Logger("ml_dupenv_s has failed to convert 1 at %d line, file: %s", ML_AT);
        return errno = wName.refusal();
    }
    const WCHAR *value = _wgetenv(wName.arg());
    if (value == NULL)
        return 0;
    const size_t needed = ml_GetUTF16toUTF8Size(value);
    char *copy = static_cast<char *>(malloc(needed));
    if (copy == NULL)
        return errno = ENOMEM;
    if (!ml_ConvertUTF16toUTF8(value, copy, ml::clampSize(needed))) {
        ml_Logger("ml_dupenv_s has failed to convert 2 at %d line, file: %s", ML_AT);
        free(copy);
        return errno = EILSEQ;
    }
    *buffer = copy;
    if (size != NULL)
        *size = needed;
    return 0;
}

} // extern "C"
