// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_mktemp(char *templ)
{
    Wide name;
    if (!name.from(templ)) {
        ml_Logger("ml_mktemp has failed to convert 1 at %d line, file: %s", ML_AT);
        refuse({&name});
        return NULL;
    }
    const WCHAR *made = _wmktemp(name.out());
    // Only letters and digits replace the X's, so the name keeps the
    // template's length; the template has no room for more.
    if (!name.to(templ, ml::clampSize(strlen(templ) + 1))) {
        ml_Logger("ml_mktemp has failed to convert 2 at %d line, file: %s", ML_AT);
        return NULL;
    }
    return made != NULL ? templ : NULL;
}

} // extern "C"
