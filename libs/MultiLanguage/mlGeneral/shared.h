// What the members of mlGeneral share. Private to the library.
#ifndef ML_MLGENERAL_SHARED_H
#define ML_MLGENERAL_SHARED_H

#include <MultiLanguage/mlGeneral.h>

#include <ctype.h>
#include <direct.h>
#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <share.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include <initializer_list>

#include "mlFacade.h"

using ml::InPlace;
using ml::LastErrorKeeper;
using ml::Wide;

// The records must have the layout that msvcrt.dll itself writes.
#ifdef _WIN64
static_assert(sizeof(ml_finddata_t) == 296 && offsetof(ml_finddata_t, name) == 36, "msvcrt find record");
static_assert(sizeof(ml_wfinddata_t) == 560 && offsetof(ml_wfinddata_t, name) == 36, "msvcrt find record");
static_assert(sizeof(ml_stat_t) == 48 && offsetof(ml_stat_t, st_mtime) == 32, "msvcrt status record");
static_assert(sizeof(ml_stati64_t) == 56 && offsetof(ml_stati64_t, st_size) == 24, "msvcrt status record");
#else
static_assert(sizeof(ml_finddata_t) == 280 && offsetof(ml_finddata_t, name) == 20, "msvcrt find record");
static_assert(sizeof(ml_wfinddata_t) == 540 && offsetof(ml_wfinddata_t, name) == 20, "msvcrt find record");
static_assert(sizeof(ml_stat_t) == 36 && offsetof(ml_stat_t, st_mtime) == 28, "msvcrt status record");
static_assert(sizeof(ml_stati64_t) == 48 && offsetof(ml_stati64_t, st_size) == 24, "msvcrt status record");
#endif

namespace {

// The record with a 32-bit size taken from the 64-bit one; the size is cut
// to its 32 bits, as the runtime's own narrowing does.
inline void narrowStat(const struct _stat64 &full, struct _stat64i32 *plain)
{
    plain->st_dev = full.st_dev;
    plain->st_ino = full.st_ino;
    plain->st_mode = full.st_mode;
    plain->st_nlink = full.st_nlink;
    plain->st_uid = full.st_uid;
    plain->st_gid = full.st_gid;
    plain->st_rdev = full.st_rdev;
    plain->st_size = static_cast<_off_t>(full.st_size);
    plain->st_atime = full.st_atime;
    plain->st_mtime = full.st_mtime;
    plain->st_ctime = full.st_ctime;
}

// The runtime's wide find, status and time functions for this target's records.
#ifdef _WIN64
inline intptr_t wideFindFirst(const wchar_t *pattern, ml_wfinddata_t *found) { return _wfindfirst64i32(pattern, found); }
inline int wideFindNext(intptr_t handle, ml_wfinddata_t *found) { return _wfindnext64i32(handle, found); }
// _wstat64i32 accepts a folder written with a trailing backslash, where
// _wstat64, the narrow _stat64i32 and Windows refuse it: the plain record is
// taken from the 64-bit one, as the narrow function does.
inline int wideStat(const wchar_t *path, ml_stat_t *buffer)
{
    struct _stat64 full;
    const int result = _wstat64(path, &full);
    if (result == 0)
        narrowStat(full, buffer);
    return result;
}
inline int wideStati64(const wchar_t *path, ml_stati64_t *buffer) { return _wstat64(path, buffer); }
inline int handleStat(int fd, ml_stat_t *buffer) { return _fstat64i32(fd, buffer); }
inline char *timeText(const ml_time_t *time) { return _ctime64(time); }
#else
inline intptr_t wideFindFirst(const wchar_t *pattern, ml_wfinddata_t *found) { return _wfindfirst32(pattern, found); }
inline int wideFindNext(intptr_t handle, ml_wfinddata_t *found) { return _wfindnext32(handle, found); }
inline int wideStat(const wchar_t *path, ml_stat_t *buffer) { return _wstat32(path, buffer); }
inline int wideStati64(const wchar_t *path, ml_stati64_t *buffer) { return _wstat32i64(path, buffer); }
inline int handleStat(int fd, ml_stat_t *buffer) { return _fstat32(fd, buffer); }
inline char *timeText(const ml_time_t *time) { return _ctime32(time); }
#endif

// A member whose argument did not convert never calls the runtime; errno
// then tells what the runtime tells of the first such argument.
inline void refuse(std::initializer_list<const Wide *> inputs)
{
    for (const Wide *input : inputs)
        if (input->refusal() != 0) {
            errno = input->refusal();
            return;
        }
}

// A wide path that the runtime allocated (or NULL, its failure, errno set),
// delivered as _getcwd and _fullpath deliver theirs: into the caller's
// buffer of size bytes (ERANGE when it does not fit), or, given no buffer,
// into a block of at least size bytes that the caller releases with free.
// A path that does not convert is recorded under the member's name.
inline char *deliverPath(wchar_t *path, char *buffer, size_t size, const char *member)
{
    if (path == NULL)
        return NULL; // the runtime's errno
    const size_t need = ml_GetUTF16toUTF8Size(path);
    char *out = buffer;
    int error = 0;
    if (need == 0)
        error = EILSEQ;
    else if (buffer != NULL && need > size)
        error = ERANGE;
    else if (buffer == NULL && (out = static_cast<char *>(malloc(size > need ? size : need))) == NULL)
        error = ENOMEM;
    else if (!ml_ConvertUTF16toUTF8(path, out, static_cast<int>(need)))
        error = EILSEQ;
    if (error == EILSEQ)
        ml_Logger("%s has failed to convert at %d line, file: %s", member, ML_AT);
    {
        LastErrorKeeper keep;
        if (error != 0 && buffer == NULL)
            free(out);
        free(path);
    }
    if (error == 0)
        return out;
    errno = error;
    return NULL;
}

// Bytes that ml_splitpath and ml_makepath write into each caller's part.
const int kPathPartBytes = 260;

// The wide argument vector of ml_spawnvp: one 4096-byte heap buffer per
// argument, each converted with 2048 bytes (1024 units with the zero).
class WideArgs {
public:
    enum { BufferBytes = 4096, ConvertBytes = 2048 };

    WideArgs() : m_args(NULL), m_count(0) {}
    ~WideArgs()
    {
        LastErrorKeeper keep;
        if (m_args != NULL) {
            for (size_t i = 0; i < m_count; ++i)
                free(m_args[i]);
            free(m_args);
        }
    }

    // Room for count arguments and the closing NULL, all NULL.
    bool allocate(size_t count)
    {
        m_args = static_cast<WCHAR **>(calloc(count + 1, sizeof(WCHAR *)));
        m_count = count;
        return m_args != NULL;
    }

    WCHAR *&operator[](size_t i) { return m_args[i]; }
    const WCHAR *const *vector() const { return m_args; }

    WideArgs(const WideArgs &) = delete;
    WideArgs &operator=(const WideArgs &) = delete;

private:
    WCHAR **m_args;
    size_t m_count;
};

} // namespace

#endif // ML_MLGENERAL_SHARED_H
