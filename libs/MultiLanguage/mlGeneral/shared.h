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
#include <stdarg.h>
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

// Streams on a console. A console shows the characters that UTF-8 bytes
// encode only through its wide functions, and hands typed text back through
// them, whatever its code pages; files and pipes keep the bytes as they are.
namespace ml {

// Holds the stream's own lock (the runtime's, recursive) for a scope.
class StreamLock {
public:
    explicit StreamLock(FILE *stream) : m_stream(stream) { _lock_file(stream); }
    ~StreamLock() { _unlock_file(m_stream); }
    StreamLock(const StreamLock &) = delete;
    StreamLock &operator=(const StreamLock &) = delete;

private:
    FILE *m_stream;
};

// UTF-8 input read from a console and not yet delivered; allocated at the
// first read of the descriptor and kept.
struct ConsoleInput;

// What a console descriptor carries from call to call, under the stream's
// lock: the start of a character that a write left unfinished, and the
// input not yet read.
struct ConsoleState {
    HANDLE console; // the console the rest belongs to
    unsigned char partial[3];
    unsigned char partialCount;
    ConsoleInput *input;
};

// Asks the platform whether the character device behind descriptor fd is
// a console: the console or NULL. errno and the last error are kept.
HANDLE askConsole(int fd);

// The console behind a stream, or NULL for a file, a pipe or no stream. On
// the path of every call to a file: files and pipes are told apart by the
// runtime's own table (_isatty: a character device), without asking the
// platform; a device is asked on each call, since a handle value may come
// back for another device after a close.
inline HANDLE consoleOf(FILE *stream)
{
    if (stream == NULL)
        return NULL;
    const int fd = stream->_file; // _fileno
    if (fd < 0 || !_isatty(fd))
        return NULL;
    return askConsole(fd);
}

// The state of the console stream (consoleOf gave console), emptied when
// the descriptor has changed consoles. The caller holds the stream's lock.
ConsoleState &consoleState(FILE *stream, HANDLE console);

// Marks the stream failed (error indicator, errno) after the console
// function that failed; returns EOF.
int failStream(FILE *stream);

// Writes count UTF-8 bytes to the console behind stream, after what the
// runtime holds for the stream, under its lock. Returns the bytes taken:
// count, or fewer after a failure (the stream's error indicator set).
size_t writeConsole(FILE *stream, HANDLE console, const void *bytes, size_t count);

// One byte to the console, as fputc answers: the byte written, or EOF.
inline int writeConsoleByte(FILE *stream, HANDLE console, int c)
{
    const unsigned char byte = static_cast<unsigned char>(c);
    return writeConsole(stream, console, &byte, 1) == 1 ? byte : EOF;
}

// Formats with msvcrt's formatter and writes the text to the console: the
// bytes written, or negative on failure.
int printConsole(FILE *stream, HANDLE console, const char *format, va_list args);

// Reads from the console behind stream as the runtime's function of the
// same name reads bytes, delivering typed text as UTF-8: a line ends in
// "\n", and Ctrl+Z at the start of a read is the end of the input.
int readConsoleByte(FILE *stream, HANDLE console);                               // fgetc
char *readConsoleLine(FILE *stream, HANDLE console, char *buffer, int count);     // fgets
size_t readConsoleBytes(FILE *stream, HANDLE console, void *buffer, size_t size); // fread, in bytes
int unreadConsoleByte(FILE *stream, HANDLE console, int c);                      // ungetc

} // namespace ml

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
