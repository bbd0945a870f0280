// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

void ml_splitpath(const char *path, char *drive, char *dir, char *fname, char *ext)
{
    Wide wPath;
    if (!wPath.fromOptional(path)) {
        ml_Logger("ml_splitpath has failed to convert 2 at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return;
    }
    // Given NULL the runtime writes no parts at all, which would leave
    // them undefined; NULL has no parts.
    const WCHAR *input = wPath.arg() != NULL ? wPath.arg() : L"";
    Wide wDrive, wDir, wName, wExt;
    _wsplitpath(input, wDrive.out(), wDir.out(), wName.out(), wExt.out());
    int ok = 1;
    if (drive != NULL)
        ok &= wDrive.to(drive, kPathPartBytes);
    if (dir != NULL)
        ok &= wDir.to(dir, kPathPartBytes);
    if (fname != NULL)
        ok &= wName.to(fname, kPathPartBytes);
    if (ext != NULL)
        ok &= wExt.to(ext, kPathPartBytes);
    if (!ok)
        ml_Logger("ml_splitpath has failed to convert 1 at %d line, file: %s", ML_AT);
}

} // extern "C"
