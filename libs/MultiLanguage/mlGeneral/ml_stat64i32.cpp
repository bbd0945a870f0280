// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

namespace {

// 32-bit msvcrt has no _wstat64i32, and 64-bit msvcrt's cuts a size of
// 2 GiB or more: on both the record is taken from the 64-bit one, and a size
// that the 32-bit field cannot hold is refused, as POSIX stat does.
int wideStat64i32(const wchar_t *path, struct _stat64i32 *buffer)
{
    struct _stat64 full;
    const int result = _wstat64(path, &full);
    if (result != 0)
        return result;
    if (full.st_size > 0x7FFFFFFF) {
        errno = EOVERFLOW;
        return -1;
    }
    narrowStat(full, buffer);
    return 0;
}

} // namespace

extern "C" {

int ml_stat64i32(const char *path, struct _stat64i32 *buffer)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_stat64i32 has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return wideStat64i32(wPath.arg(), buffer);
}

} // extern "C"
