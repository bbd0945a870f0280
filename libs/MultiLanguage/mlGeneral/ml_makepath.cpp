// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

void ml_makepath(char *path, const char *drive, const char *dir, const char *fname, const char *ext)
{
    Wide wDrive, wDir, wName, wExt;
    int ok = 1;
    ok &= wDrive.from(drive);
    ok &= wDir.from(dir);
    ok &= wName.from(fname);
    ok &= wExt.from(ext);
    if (!ok) {
        ml_Logger("ml_makepath has failed to convert 2 at %d line, file: %s", ML_AT);
        refuse({&wDrive, &wDir, &wName, &wExt});
        return;
    }
    // The runtime composes without a bound: the drive letter and its colon,
    // the folder and a backslash, the name, a dot and the extension, and the
    // zero must fit the composition buffer before it is called.
    const size_t most = 2 + wcslen(wDir.arg()) + 1 + wcslen(wName.arg()) + 1 + wcslen(wExt.arg()) + 1;
    Wide composed;
    if (most > static_cast<size_t>(Wide::Units)) {
        ml_Logger("ml_makepath has failed to convert 1 at %d line, file: %s", ML_AT);
        errno = ENAMETOOLONG;
        return;
    }
    _wmakepath(composed.out(), wDrive.arg(), wDir.arg(), wName.arg(), wExt.arg());
    // Only the UTF-8 result reaches the caller, and only when it fits; a
    // member without a result says so in errno alone.
    if (ml_GetUTF16toUTF8Size(composed.arg()) > kPathPartBytes || !composed.to(path, kPathPartBytes)) {
        ml_Logger("ml_makepath has failed to convert 1 at %d line, file: %s", ML_AT);
        errno = ENAMETOOLONG;
    }
}

} // extern "C"
