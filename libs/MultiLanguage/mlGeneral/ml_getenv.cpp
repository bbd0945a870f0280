// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

wchar_t *ml_getenv(const char *name)
{
    Wide wName;
    if (!wName.from(name)) {
        ml_Logger("ml_getenv has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wName});
        return NULL;
    }
    return _wgetenv(wName.arg());
}

} // extern "C"
