// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_rename(const char *oldname, const char *newname)
{
    Wide wOld, wNew;
    int ok = 1;
    ok &= wOld.from(oldname);
    ok &= wNew.from(newname);
    if (!ok) {
        ml_Logger("ml_rename has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wOld, &wNew});
        return -1;
    }
    return _wrename(wOld.arg(), wNew.arg());
}

} // extern "C"
