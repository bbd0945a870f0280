// The C runtime (msvcrt) with UTF-8 names.
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

// The runtime's wide find, status and time functions for this target's records.
#ifdef _WIN64
intptr_t wideFindFirst(const wchar_t *pattern, ml_wfinddata_t *found) { return _wfindfirst64i32(pattern, found); }
int wideFindNext(intptr_t handle, ml_wfinddata_t *found) { return _wfindnext64i32(handle, found); }
// _wstat64i32 accepts a folder written with a trailing backslash, where
// _wstat64, the narrow _stat64i32 and Windows refuse it: the plain record is
// taken from the 64-bit one, as the narrow function does.
int wideStat(const wchar_t *path, ml_stat_t *buffer)
{
    struct _stat64 full;
    const int result = _wstat64(path, &full);
    if (result == 0) {
        buffer->st_dev = full.st_dev;
        buffer->st_ino = full.st_ino;
        buffer->st_mode = full.st_mode;
        buffer->st_nlink = full.st_nlink;
        buffer->st_uid = full.st_uid;
        buffer->st_gid = full.st_gid;
        buffer->st_rdev = full.st_rdev;
        buffer->st_size = static_cast<_off_t>(full.st_size);
        buffer->st_atime = full.st_atime;
        buffer->st_mtime = full.st_mtime;
        buffer->st_ctime = full.st_ctime;
    }
    return result;
}
int wideStati64(const wchar_t *path, ml_stati64_t *buffer) { return _wstat64(path, buffer); }
int handleStat(int fd, ml_stat_t *buffer) { return _fstat64i32(fd, buffer); }
char *timeText(const ml_time_t *time) { return _ctime64(time); }
#else
intptr_t wideFindFirst(const wchar_t *pattern, ml_wfinddata_t *found) { return _wfindfirst32(pattern, found); }
int wideFindNext(intptr_t handle, ml_wfinddata_t *found) { return _wfindnext32(handle, found); }
int wideStat(const wchar_t *path, ml_stat_t *buffer) { return _wstat32(path, buffer); }
int wideStati64(const wchar_t *path, ml_stati64_t *buffer) { return _wstat32i64(path, buffer); }
int handleStat(int fd, ml_stat_t *buffer) { return _fstat32(fd, buffer); }
char *timeText(const ml_time_t *time) { return _ctime32(time); }
#endif

// A member whose argument did not convert never calls the runtime; errno
// then tells what the runtime tells of the first such argument.
void refuse(std::initializer_list<const Wide *> inputs)
{
    for (const Wide *input : inputs)
        if (input->refusal() != 0) {
            errno = input->refusal();
            return;
        }
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

extern "C" {

// ---- Folders, environment, streams, files -----------------------------------

int ml_chdir(const char *path)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_chdir has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return _wchdir(wPath.arg());
}

int ml_mkdir(const char *path)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_mkdir has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return _wmkdir(wPath.arg());
}

int ml_rmdir(const char *path)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_rmdir has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return _wrmdir(wPath.arg());
}

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

int ml_putenv(const char *assignment)
{
    Wide wAssignment;
    if (!wAssignment.from(assignment)) {
        ml_Logger("ml_putenv has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wAssignment});
        return -1;
    }
    return _wputenv(wAssignment.arg());
}

FILE *ml_fsopen(const char *filename, const char *mode, int shflag)
{
    Wide wName, wMode;
    int ok = 1;
    ok &= wName.from(filename);
    ok &= wMode.from(mode);
    if (!ok) {
        ml_Logger("ml_fsopen has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wName, &wMode});
        return NULL;
    }
    return _wfsopen(wName.arg(), wMode.arg(), shflag);
}

FILE *ml_fopen(const char *filename, const char *mode)
{
    Wide wName, wMode;
    int ok = 1;
    ok &= wName.from(filename);
    ok &= wMode.from(mode);
    if (!ok) {
        ml_Logger("ml_fopen has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wName, &wMode});
        return NULL;
    }
    return _wfopen(wName.arg(), wMode.arg());
}

FILE *ml_freopen(const char *path, const char *mode, FILE *stream)
{
    Wide wPath, wMode;
    int ok = 1;
    ok &= wPath.from(path);
    ok &= wMode.from(mode);
    if (!ok) {
        ml_Logger("ml_freopen has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath, &wMode});
        return NULL;
    }
    return _wfreopen(wPath.arg(), wMode.arg(), stream);
}

FILE *ml_popen(const char *command, const char *mode)
{
    Wide wCommand, wMode;
    int ok = 1;
    ok &= wCommand.from(command);
    ok &= wMode.from(mode);
    if (!ok) {
        ml_Logger("ml_popen has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wCommand, &wMode});
        return NULL;
    }
    return _wpopen(wCommand.arg(), wMode.arg());
}

int ml_chmod(const char *filename, int pmode)
{
    Wide wName;
    if (!wName.from(filename)) {
        ml_Logger("ml_chmod has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wName});
        return -1;
    }
    return _wchmod(wName.arg(), pmode);
}

int ml_snprintf(char *buffer, size_t count, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const int result = _vsnprintf(buffer, count, format, args);
    va_end(args);
    return result;
}

int ml_creat(const char *path, int mode)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_creat has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return _wcreat(wPath.arg(), mode);
}

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

int ml_access(const char *path, int mode)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_access has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return _waccess(wPath.arg(), mode);
}

int ml_remove(const char *path)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_remove has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return _wremove(wPath.arg());
}

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

int ml_unlink(const char *path)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_unlink has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return _wunlink(wPath.arg());
}

int ml_stat(const char *path, ml_stat_t *buffer)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_stat has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return wideStat(wPath.arg(), buffer);
}

long long ml_stati64(const char *path, ml_stati64_t *buffer)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_stati64 has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wPath});
        return -1;
    }
    return wideStati64(wPath.arg(), buffer);
}

intptr_t ml_findfirst(const char *filespec, ml_finddata_t *fileinfo)
{
    Wide wSpec;
    if (!wSpec.from(filespec)) {
        ml_Logger("ml_findfirst has failed to convert 1 at %d line, file: %s", ML_AT);
        refuse({&wSpec});
        return -1;
    }
    ml_wfinddata_t found;
    const intptr_t handle = wideFindFirst(wSpec.arg(), &found);
    // The caller sees what the search left, whatever follows.
    LastErrorKeeper searchError;
    if (handle == -1)
        return -1;
    if (!ml_ConvertFindData16to8(&found, fileinfo)) {
        ml_Logger("ml_findfirst has failed to convert 2 at %d line, file: %s", ML_AT);
        // No search is handed out whose first match cannot be read.
        ml_findclose(handle);
        return -1;
    }
    return handle;
}

int ml_findnext(intptr_t handle, ml_finddata_t *fileinfo)
{
    ml_wfinddata_t found;
    const int result = wideFindNext(handle, &found);
    LastErrorKeeper searchError;
    if (result != -1 && !ml_ConvertFindData16to8(&found, fileinfo)) {
        // The search stays open: the next call continues after this match.
        ml_Logger("ml_findnext has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return result;
}

int ml_open(const char *filename, int oflag, ...)
{
    Wide wName;
    if (!wName.from(filename)) {
        ml_Logger("ml_open has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wName});
        return -1;
    }
    if (oflag & _O_CREAT) {
        va_list args;
        va_start(args, oflag);
        const int pmode = va_arg(args, int);
        va_end(args);
        return _wopen(wName.arg(), oflag, pmode);
    }
    return _wopen(wName.arg(), oflag);
}

int ml_sopen(const char *filename, int oflag, int shflag, ...)
{
    Wide wName;
    if (!wName.from(filename)) {
        ml_Logger("ml_sopen has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wName});
        return -1;
    }
    if (oflag & _O_CREAT) {
        va_list args;
        va_start(args, shflag);
        const int pmode = va_arg(args, int);
        va_end(args);
        return _wsopen(wName.arg(), oflag, shflag, pmode);
    }
    return _wsopen(wName.arg(), oflag, shflag);
}

char *ml_getcwd(char *buffer, int size)
{
    InPlace folder(buffer, size);
    if (!folder.took(_wgetcwd(folder.out(), size / 2)))
        return NULL;
    if (!folder.toUtf8()) {
        ml_Logger("ml_getcwd has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return buffer;
}

char *ml_getdcwd(int drive, char *buffer, int size)
{
    InPlace folder(buffer, size);
    if (!folder.took(_wgetdcwd(drive, folder.out(), size / 2)))
        return NULL;
    if (!folder.toUtf8()) {
        ml_Logger("ml_getdcwd has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return buffer;
}

char *ml_fullpath(char *absPath, const char *relPath, size_t maxLength)
{
    Wide wRelative;
    if (!wRelative.from(relPath)) {
        ml_Logger("ml_fullpath has failed to convert 1 at %d line, file: %s", ML_AT);
        refuse({&wRelative});
        return NULL;
    }
    InPlace path(absPath, maxLength);
    if (!path.took(_wfullpath(path.out(), wRelative.arg(), maxLength / 2)))
        return NULL;
    if (!path.toUtf8()) {
        ml_Logger("ml_fullpath has failed to convert 2 at %d line, file: %s", ML_AT);
        return NULL;
    }
    return absPath;
}

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

int ml_system(const char *command)
{
    Wide wCommand;
    if (!wCommand.from(command)) {
        ml_Logger("ml_system has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wCommand});
        return -1;
    }
    return _wsystem(wCommand.arg());
}

int ml_getArgv(WCHAR *const *argv, int index, char *buffer, unsigned int *size)
{
    if (argv == NULL || argv[index] == NULL || size == NULL)
        return 0;
    if (buffer == NULL) {
        *size = ml_GetUTF16toUTF8Size(argv[index]);
        return 0;
    }
    // A size of 0 would only measure and leave the buffer unwritten.
    if (*size == 0 || !ml_ConvertUTF16toUTF8(argv[index], buffer, ml::clampSize(*size))) {
        ml_Logger("ml_getArgv has failed to convert at %d line, file: %s", ML_AT);
        *size = ml_GetUTF16toUTF8Size(argv[index]);
        return 0;
    }
    return static_cast<int>(ml_strlen(buffer));
}

intptr_t ml_spawnvp(int mode, const char *cmdname, const char *const *argv)
{
    Wide wName;
    int ok = 1;
    ok &= wName.fromOptional(cmdname);
    // The first argument that does not convert: not UTF-8, or longer than
    // the runtime takes an argument list (E2BIG).
    int argError = 0;
    WideArgs wArgs;
    if (argv != NULL) {
        size_t count = 0;
        while (argv[count] != NULL)
            ++count;
        if (!wArgs.allocate(count))
            return -1;
        for (size_t i = 0; i < count; ++i) {
            wArgs[i] = static_cast<WCHAR *>(malloc(WideArgs::BufferBytes));
            if (wArgs[i] == NULL)
                return -1;
            if (!ml_ConvertUTF8toUTF16(argv[i], wArgs[i], WideArgs::ConvertBytes)) {
                ok = 0;
                if (argError == 0)
                    argError = ml::refusalOf(argv[i]) == EILSEQ ? EILSEQ : E2BIG;
            }
        }
    }
    if (!ok) {
        ml_Logger("ml_spawnvp has failed to convert at %d line, file: %s", ML_AT);
        errno = wName.refusal() != 0 ? wName.refusal() : argError;
        return -1;
    }
    // The buffers are freed after this, keeping the runtime's last error.
    return _wspawnvp(mode, wName.arg(), argv != NULL ? wArgs.vector() : NULL);
}

// ---- Operations of the library's own ------------------------------------------

int ml_ConvertFindData16to8(const ml_wfinddata_t *in, ml_finddata_t *out)
{
    if (in == NULL || out == NULL) {
        ml_Logger("ml_ConvertFindData16to8 has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    out->attrib = in->attrib;
    out->time_create = in->time_create;
    out->time_access = in->time_access;
    out->time_write = in->time_write;
    out->size = in->size;
    const int result = ml_ConvertUTF16toUTF8(in->name, out->name, sizeof out->name);
    if (!result)
        ml_Logger("ml_ConvertFindData16to8 has failed to convert at %d line, file: %s", ML_AT);
    return result;
}

int ml_GetUTF8CharBytes(const char *p)
{
    const unsigned char lead = static_cast<unsigned char>(*p);
    if ((lead & 0xF0) == 0xF0)
        return 4;
    if ((lead & 0xE0) == 0xE0)
        return 3;
    if ((lead & 0xC0) == 0xC0)
        return 2;
    return 1;
}

char *ml_strtok_s(char *str, const char *delimiters, char **context)
{
    if (context == NULL || delimiters == NULL)
        return NULL;
    char *position = str != NULL ? str : *context;
    if (position == NULL)
        return NULL;
    position += strspn(position, delimiters);
    if (*position == '\0') {
        *context = position;
        return NULL;
    }
    char *token = position;
    char *end = strpbrk(token, delimiters);
    if (end != NULL) {
        *end = '\0';
        *context = end + 1;
    } else {
        *context = token + strlen(token);
    }
    return token;
}

unsigned long ml_hextoul(const char *text)
{
    if (text == NULL)
        return 0xFFFFFFFFul;
    unsigned long value = 0;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text);; ++p) {
        const int c = *p;
        if (c == '\0' || c == '/' || c == '\\' || c == ' ')
            return value;
        // Bytes from 0x80 on are no digits in any locale here.
        if (c >= 0x80)
            return 0xFFFFFFFFul;
        if (ml_isdigit(c))
            value = value * 16 + static_cast<unsigned long>(c - '0');
        else if (ml_isxdigit(c))
            value = value * 16 + static_cast<unsigned long>(ml_toupper(c) - 'A' + 10);
        else
            return 0xFFFFFFFFul;
    }
}

char *ml_itoa2(char *buffer, int value)
{
    if (buffer == NULL)
        return NULL;
    ml_sprintf(buffer, "%.2d", value);
    return buffer;
}

char *ml_itoa4(char *buffer, int value)
{
    if (buffer == NULL)
        return NULL;
    ml_sprintf(buffer, "%.4d", value);
    return buffer;
}

char *ml_itoa10(char *buffer, int value)
{
    if (buffer == NULL)
        return NULL;
    ml_sprintf(buffer, "%.10d", value);
    return buffer;
}

size_t ml_GetUTF16Bytes(const WCHAR *text)
{
    return text == NULL ? 0 : 2 * wcslen(text);
}

// ---- Formatted output -------------------------------------------------------

// The C++ headers route vprintf, vfprintf and vsprintf to MinGW's own
// formatter; msvcrt's are called by name, so that every member formats as
// ml_snprintf does ("%e" gives "1.234568e+004" from each).

int ml_printf(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const int result = __ms_vprintf(format, args);
    va_end(args);
    return result;
}

int ml_fprintf(FILE *stream, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const int result = __ms_vfprintf(stream, format, args);
    va_end(args);
    return result;
}

int ml_sprintf(char *buffer, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const int result = __ms_vsprintf(buffer, format, args);
    va_end(args);
    return result;
}

int ml_vprintf(const char *format, va_list args) { return __ms_vprintf(format, args); }
int ml_vfprintf(FILE *stream, const char *format, va_list args) { return __ms_vfprintf(stream, format, args); }
int ml_vsprintf(char *buffer, const char *format, va_list args) { return __ms_vsprintf(buffer, format, args); }
int ml_vsnprintf(char *buffer, size_t count, const char *format, va_list args)
{
    return _vsnprintf(buffer, count, format, args);
}

// ---- Narrow pass-throughs ------------------------------------------------------

size_t ml_strlen(const char *str) { return strlen(str); }
char *ml_strchr(const char *str, int c) { return const_cast<char *>(strchr(str, c)); }
size_t ml_strcspn(const char *str, const char *reject) { return strcspn(str, reject); }
char *ml_strncat(char *dest, const char *src, size_t count) { return strncat(dest, src, count); }
char *ml_strncpy(char *dest, const char *src, size_t count) { return strncpy(dest, src, count); }
char *ml_strpbrk(const char *str, const char *accept) { return const_cast<char *>(strpbrk(str, accept)); }
char *ml_strrchr(const char *str, int c) { return const_cast<char *>(strrchr(str, c)); }
size_t ml_strspn(const char *str, const char *accept) { return strspn(str, accept); }
char *ml_strstr(const char *str, const char *sub) { return const_cast<char *>(strstr(str, sub)); }
char *ml_strtok(char *str, const char *delimiters) { return strtok(str, delimiters); }
int ml_stricmp(const char *a, const char *b) { return _stricmp(a, b); }
int ml_strnicmp(const char *a, const char *b, size_t count) { return _strnicmp(a, b, count); }
char *ml_strnset(char *str, int c, size_t count) { return _strnset(str, c, count); }
char *ml_strset(char *str, int c) { return _strset(str, c); }
int ml_strncmp(const char *a, const char *b, size_t count) { return strncmp(a, b, count); }
int ml_strcmp(const char *a, const char *b) { return strcmp(a, b); }
char *ml_strcat(char *dest, const char *src) { return strcat(dest, src); }
char *ml_strcpy(char *dest, const char *src) { return strcpy(dest, src); }
char *ml_strdup(const char *str) { return _strdup(str); }
char *ml_strlwr(char *str) { return _strlwr(str); }
char *ml_strupr(char *str) { return _strupr(str); }

int ml_fgetc(FILE *stream) { return fgetc(stream); }
int ml_fgetchar(void) { return _fgetchar(); }
char *ml_fgets(char *buffer, int count, FILE *stream) { return fgets(buffer, count, stream); }
int ml_fputc(int c, FILE *stream) { return fputc(c, stream); }
int ml_fputchar(int c) { return _fputchar(c); }
int ml_fputs(const char *str, FILE *stream) { return fputs(str, stream); }
int ml_getc(FILE *stream) { return getc(stream); }
int ml_getchar(void) { return getchar(); }

char *ml_gets(char *buffer)
{
    // gets takes no size; read at most ML_MAX_CHAR bytes with the zero.
    if (fgets(buffer, ML_MAX_CHAR, stdin) == NULL)
        return NULL;
    const size_t length = strlen(buffer);
    if (length > 0 && buffer[length - 1] == '\n') {
        buffer[length - 1] = '\0';
        return buffer;
    }
    if (length < ML_MAX_CHAR - 1)
        return buffer; // the last line, without a line break
    const int next = getc(stdin);
    if (next == '\n' || next == EOF)
        return buffer; // exactly ML_MAX_CHAR - 1 bytes
    int c = next;
    while (c != '\n' && c != EOF)
        c = getc(stdin);
    buffer[0] = '\0';
    errno = ERANGE;
    return NULL;
}

int ml_putc(int c, FILE *stream) { return putc(c, stream); }
int ml_putchar(int c) { return putchar(c); }
int ml_puts(const char *str) { return puts(str); }
int ml_ungetc(int c, FILE *stream) { return ungetc(c, stream); }
FILE *ml_fdopen(int fd, const char *mode) { return _fdopen(fd, mode); }
void ml_perror(const char *message) { perror(message); }

double ml_strtod(const char *str, char **end) { return strtod(str, end); }
long ml_strtol(const char *str, char **end, int base) { return strtol(str, end, base); }
unsigned long ml_strtoul(const char *str, char **end, int base) { return strtoul(str, end, base); }
char *ml_itoa(int value, char *buffer, int radix) { return _itoa(value, buffer, radix); }
char *ml_ltoa(long value, char *buffer, int radix) { return _ltoa(value, buffer, radix); }
char *ml_ultoa(unsigned long value, char *buffer, int radix) { return _ultoa(value, buffer, radix); }
int ml_atoi(const char *str) { return atoi(str); }
long ml_atol(const char *str) { return atol(str); }
long long ml_atoi64(const char *str) { return _atoi64(str); }
char *ml_i64toa(long long value, char *buffer, int radix) { return _i64toa(value, buffer, radix); }
char *ml_ui64toa(unsigned long long value, char *buffer, int radix) { return _ui64toa(value, buffer, radix); }

char *ml_asctime(const struct tm *time) { return asctime(time); }
char *ml_ctime(const ml_time_t *time) { return timeText(time); }
char *ml_strdate(char *buffer) { return _strdate(buffer); }
char *ml_strtime(char *buffer) { return _strtime(buffer); }
size_t ml_strftime(char *buffer, size_t size, const char *format, const struct tm *time)
{
    return strftime(buffer, size, format, time);
}

int ml_isascii(int c) { return static_cast<unsigned int>(c) < 0x80 ? 1 : 0; }
int ml_iscntrl(int c) { return iscntrl(c); }
int ml_isxdigit(int c) { return isxdigit(c); }
int ml_isalnum(int c) { return isalnum(c); }
int ml_isalpha(int c) { return isalpha(c); }
int ml_isdigit(int c) { return isdigit(c); }
int ml_isgraph(int c) { return isgraph(c); }
int ml_islower(int c) { return islower(c); }
int ml_isprint(int c) { return isprint(c); }
int ml_ispunct(int c) { return ispunct(c); }
int ml_isspace(int c) { return isspace(c); }
int ml_isupper(int c) { return isupper(c); }
int ml_toupper(int c) { return toupper(c); }
int ml_tolower(int c) { return tolower(c); }

int ml_getdrive(void) { return _getdrive(); }
int ml_findclose(intptr_t handle) { return _findclose(handle); }
int ml_chsize(int fd, long size) { return _chsize(fd, size); }
long ml_filelength(int fd) { return _filelength(fd); }
int ml_fstat(int fd, ml_stat_t *buffer) { return handleStat(fd, buffer); }
int ml_isatty(int fd) { return _isatty(fd); }
int ml_locking(int fd, int mode, long nbytes) { return _locking(fd, mode, nbytes); }
int ml_setmode(int fd, int mode) { return _setmode(fd, mode); }

wchar_t *ml_wcslwr(wchar_t *str) { return _wcslwr(str); }
size_t ml_wcslen(const wchar_t *str) { return wcslen(str); }

} // extern "C"
