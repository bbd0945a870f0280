/** @file
 * The C runtime (msvcrt) with UTF-8 names (module mlGeneral).
 *
 * Converting members take UTF-8 names, paths, commands and environment
 * text, call the runtime's wide function and return its result with its own
 * convention (-1 with errno, NULL, a descriptor, a stream). When an argument
 * does not convert, the runtime is not called: a record is written, the
 * failure value named below is returned, and errno is what the runtime sets
 * for such an argument: EINVAL for NULL, EILSEQ for text that is not UTF-8
 * (also when it is too long as well), ENAMETOOLONG for more than 2047 UTF-16
 * units; where several do not convert, the first one's. The last error is
 * then the conversion's (ERROR_NO_UNICODE_TRANSLATION, 1113, for text that is
 * not UTF-8, ERROR_INSUFFICIENT_BUFFER, 122, for text too long and for text
 * that is both), or the caller's own for a NULL argument. Otherwise errno
 * and the last error are what the runtime left.
 *
 * Find and status records are msvcrt's own, and differ between targets:
 * 32-bit msvcrt uses 32-bit times throughout, while 64-bit msvcrt has only
 * 64-bit times (its sizes stay 32-bit in the plain records). The ml_ record
 * types below name each target's own, so a record always has the layout
 * that the runtime fills in.
 *
 * The narrow pass-throughs at the end hand UTF-8 bytes to the runtime's
 * narrow functions unchanged; they convert nothing and write no record. The
 * stream members are the exception where their stream is a console (see
 * "Streams on a console" at ml_fgetc). */
#ifndef ML_GENERAL_H
#define ML_GENERAL_H

#include "mlHeader.h"
#include <io.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/utime.h>
#include <time.h>

#if defined(_UCRT)
#error "The MultiLanguage runtime members are built for msvcrt, not the UCRT"
#endif

ML_EXTERN_C_BEGIN

/** @addtogroup runtime
 * @details
 * What a name that does not convert gives, and the find and status records
 * of each target: mlGeneral.h.
 * @{ */

/** @typedef ml_finddata_t
 * msvcrt's narrow find record: struct _finddata32_t (280 bytes, name at 20)
 * on 32-bit targets, struct _finddata64i32_t (296 bytes, name at 36) on
 * 64-bit ones. */
/** @typedef ml_wfinddata_t
 * msvcrt's wide find record: struct _wfinddata32_t (540 bytes, name at 20)
 * on 32-bit targets, struct _wfinddata64i32_t (560 bytes, name at 36) on
 * 64-bit ones. */
/** @typedef ml_stat_t
 * msvcrt's status record: struct _stat32 (36 bytes) on 32-bit targets,
 * struct _stat64i32 (48 bytes) on 64-bit ones. */
/** @typedef ml_stati64_t
 * msvcrt's status record with a 64-bit size: struct _stat32i64 (48 bytes,
 * msvcrt's _stati64) on 32-bit targets, struct _stat64 (56 bytes) on 64-bit
 * ones. */
/** @typedef ml_time_t
 * msvcrt's time of the target: __time32_t on 32-bit targets, __time64_t on
 * 64-bit ones. */
#ifdef _WIN64
typedef struct _finddata64i32_t ml_finddata_t;   /* 296 bytes, name at 36 */
typedef struct _wfinddata64i32_t ml_wfinddata_t; /* 560 bytes, name at 36 */
typedef struct _stat64i32 ml_stat_t;             /* 48 bytes */
typedef struct _stat64 ml_stati64_t;             /* 56 bytes */
typedef __time64_t ml_time_t;
#else
typedef struct _finddata32_t ml_finddata_t;   /* 280 bytes, name at 20 */
typedef struct _wfinddata32_t ml_wfinddata_t; /* 540 bytes, name at 20 */
typedef struct _stat32 ml_stat_t;             /* 36 bytes */
typedef struct _stat32i64 ml_stati64_t;       /* 48 bytes: msvcrt's _stati64 */
typedef __time32_t ml_time_t;
#endif

/* ---- Folders, environment, streams, files --------------------------------- */

/** @{ */
/** _wchdir, _wmkdir, _wrmdir of a UTF-8 path; -1 when it does not convert. */
int ml_chdir(const char *path);
int ml_mkdir(const char *path);
int ml_rmdir(const char *path);
/** @} */

/** _wgetenv of a UTF-8 name. NOTE: the result is NOT UTF-8: it is the
 * runtime's own pointer to the value's UTF-16 text in its environment (or
 * NULL). Do not free it, and do not keep it across a change of the
 * environment. NULL also when the name does not convert.
 *
 * @unlike_runtime getenv: returns the value's UTF-16 text (wchar_t), not a narrow
 * string. */
wchar_t *ml_getenv(const char *name);

/** The value of the runtime's environment variable name (UTF-8), in UTF-8,
 * as _wgetenv_s with Windows' documented results.
 *
 * The value may be of any length: it is converted from the runtime's own,
 * not through a conversion buffer. *required receives the bytes it needs
 * with its zero, and the value is written into buffer (size bytes) when it
 * fits.
 *
 * Returns 0 when delivered; 0 with *required set and nothing written for a
 * size query (buffer NULL and size 0); 0 with *required 0 and buffer "" for
 * a variable that does not exist; ERANGE (errno untouched) with *required set
 * and buffer "" when it does not fit. EINVAL, also in errno, when required
 * is NULL, buffer is NULL with a size, or a buffer comes with size 0; a name
 * that does not convert returns the errno of the family's rule above, also
 * in errno, after the records. Like _wgetenv, it reads the runtime's copy of
 * the environment (ml_putenv changes it; SetEnvironmentVariable after the
 * runtime's first read does not).
 * @unlike_runtime getenv_s: a name that is not UTF-8 is refused with EILSEQ, where
 * getenv_s looks for its bytes and answers 0 for a variable it cannot find. */
errno_t ml_getenv_s(size_t *required, char *buffer, size_t size, const char *name);

/** The value of the runtime's environment variable name (UTF-8), in UTF-8,
 * in a block of its own, as _wdupenv_s.
 *
 * *buffer receives the block, which the caller releases with free, and
 * *size (when size is not NULL) its bytes with the zero. The value may be of
 * any length. Returns 0 when delivered, and 0 with *buffer NULL and *size 0
 * for a variable that does not exist. EINVAL, also in errno, when buffer is
 * NULL; ENOMEM when the block cannot be allocated; a name that does not
 * convert returns the errno of the family's rule above, also in errno, after
 * the records.
 * @unlike_runtime _dupenv_s: a name that is not UTF-8 is refused with EILSEQ, as in
 * ml_getenv_s. */
errno_t ml_dupenv_s(char **buffer, size_t *size, const char *name);

/** The value of the runtime's environment variable name (UTF-8), in UTF-8,
 * with getenv's promise: the caller neither frees nor changes it.
 *
 * Each value handed out stays valid, unchanged, for the life of the process,
 * so a program may keep several and call from several threads. Reading a
 * variable again while its value is unchanged returns the same pointer and
 * takes no memory; a changed value is converted into a new block, and the
 * old one stays as it was. The memory is the library's and is never
 * released: a program that reads ever new values of a variable keeps them
 * all. Like _wgetenv, it reads the runtime's copy of the environment.
 *
 * NULL when the variable does not exist (errno untouched); NULL after the
 * records with the errno of the family's rule above when the name does not
 * convert; NULL with EILSEQ after a record when the value does not
 * convert, and with ENOMEM when no block can be allocated. The drop-in
 * header maps getenv to it. Reading is not guarded against a change of the
 * environment by another thread at the same moment, as with getenv.
 * @unlike_runtime getenv: the value is UTF-8 and stays valid after later
 * changes of the environment; a name that is not UTF-8 is refused with
 * EILSEQ. */
char *ml_getenv_utf8(const char *name);

/** _wputenv of a UTF-8 "name=value"; -1 when it does not convert. */
int ml_putenv(const char *assignment);

/** @{ */
/** _wfsopen, _wfopen, _wfreopen, _wpopen with UTF-8 names, modes and
 * commands; NULL when one does not convert. The caller owns the stream
 * (fclose; _pclose for ml_popen). */
FILE *ml_fsopen(const char *filename, const char *mode, int shflag);
FILE *ml_fopen(const char *filename, const char *mode);
FILE *ml_freopen(const char *path, const char *mode, FILE *stream);
FILE *ml_popen(const char *command, const char *mode);
/** @} */

/** _wchmod; -1 when the name does not convert. */
int ml_chmod(const char *filename, int pmode);

/** _vsnprintf: at most count bytes. A text of exactly count bytes, or longer,
 * is left without a terminator (the result is count, or negative). */
int ml_snprintf(char *buffer, size_t count, const char *format, ...);

/** _wcreat of a UTF-8 path; -1 when it does not convert. The caller owns the
 * descriptor. */
int ml_creat(const char *path, int mode);

/** _wmktemp: replaces the template's trailing X's in place. Returns the
 * template, or NULL when the runtime found no name or the template does not
 * convert. The result is written back within the template's own length. */
char *ml_mktemp(char *templ);

/** _waccess of a UTF-8 path (mode 0 existence, 2 write, 4 read, 6 both):
 * 0 when allowed, -1 otherwise or when the path does not convert. */
int ml_access(const char *path, int mode);

/** @{ */
/** _wremove, _wrename, _wunlink; -1 when a name does not convert. */
int ml_remove(const char *path);
int ml_rename(const char *oldname, const char *newname);
int ml_unlink(const char *path);
/** @} */

/** @{ */
/** _wstat and _wstati64 into msvcrt's records (see above). ml_stati64
 * returns the runtime's int widened to 64 bits: -1 in all 64 bits when the
 * path does not convert. */
int ml_stat(const char *path, ml_stat_t *buffer);
long long ml_stati64(const char *path, ml_stati64_t *buffer);
/** @} */

/** _wstat64 into struct _stat64 (64-bit times and size) on either target;
 * -1 when the path does not convert. */
int ml_stat64(const char *path, struct _stat64 *buffer);

/** The record of _wstat64i32, struct _stat64i32 (64-bit times, 32-bit
 * size), on either target: taken from _wstat64's, so a file of 2 GiB or
 * more gives -1 with EOVERFLOW rather than a cut size (32-bit msvcrt has no
 * _wstat64i32). -1 when the path does not convert. The drop-in header maps
 * `stat` to it where `struct stat` has this layout.
 * @unlike_runtime _stat64i32: a size that does not fit is refused with
 * EOVERFLOW instead of being cut. */
int ml_stat64i32(const char *path, struct _stat64i32 *buffer);

/** _wutime of a UTF-8 path: sets the file's access and modification times
 * from times (struct _utimbuf, with the target's time_t), or to the current
 * time when times is NULL. 0, or -1 with the runtime's errno; -1 when the
 * path does not convert. */
int ml_utime(const char *path, struct _utimbuf *times);

/** @{ */
/** _wfindfirst and _wfindnext; the record (required) receives the match with
 * its name in UTF-8 (at most 259 bytes). ml_findfirst returns the search
 * handle or -1; a first match whose name does not fit is refused with -1
 * and its search already closed. ml_findnext returns 0 or -1; a match whose
 * name does not fit gives -1 but the search stays open and the next call
 * continues. Both leave the last error that the runtime's search left. The
 * caller closes a search with ml_findclose. */
intptr_t ml_findfirst(const char *filespec, ml_finddata_t *fileinfo);
int ml_findnext(intptr_t handle, ml_finddata_t *fileinfo);
/** @} */

/** @{ */
/** _wopen and _wsopen; the permission (int) follows only when oflag holds
 * _O_CREAT. -1 when the name does not convert. */
int ml_open(const char *filename, int oflag, ...);
int ml_sopen(const char *filename, int oflag, int shflag, ...);
/** @} */

/** @{ */
/** The current folder (ml_getdcwd: of drive 1 = A, 2 = B, ..., 0 current)
 * and the full path of a relative one, in UTF-8 in the caller's buffer of
 * size bytes. The runtime first writes UTF-16 there (size / 2 units), which
 * is then converted where it stands: size must be at most ML_MAX_CHAR (2048)
 * bytes (520 takes a MAX_PATH path); a larger size returns NULL after the
 * records, with UTF-16 text in the buffer. Returns the buffer, or NULL. A
 * NULL buffer yields NULL after the records (nothing is allocated for the
 * caller).
 *
 * @unlike_runtime _getcwd, _getdcwd and _fullpath: the buffer must hold the UTF-16
 * form, a size above 2048 bytes gives NULL, and a NULL buffer gives NULL
 * instead of a block allocated for the caller. */
char *ml_getcwd(char *buffer, int size);
char *ml_getdcwd(int drive, char *buffer, int size);
char *ml_fullpath(char *absPath, const char *relPath, size_t maxLength);
/** @} */

/** @{ */
/** The current folder, and the full path of relPath (UTF-8; NULL or "" for
 * the current folder), in UTF-8 with the runtime's own contract for
 * _getcwd and _fullpath: a path of any length; into buffer (absPath) of
 * size (maxLength) bytes, or, when it is NULL, into a block of at least
 * that many bytes, as many as the path needs, that the caller releases with
 * free.
 *
 * Returns the buffer or the block. NULL with ERANGE when the path does not
 * fit a caller's buffer, ENOMEM when no block can be allocated, EILSEQ after
 * a record when the path does not convert, the runtime's errno when it
 * fails; a relPath that does not convert gives NULL after the records with
 * the errno of the family's rule above. The drop-in header maps _getcwd,
 * getcwd and _fullpath to them. */
char *ml_getcwd_utf8(char *buffer, int size);
char *ml_fullpath_utf8(char *absPath, const char *relPath, size_t maxLength);
/** @} */

/** _wmakepath into path (at least 260 bytes): the four parts are required
 * (use "" for an empty one). A path whose UTF-8 form with its zero needs
 * more than 260 bytes is refused with a record, errno ENAMETOOLONG and path
 * left untouched; only the UTF-8 result is written.
 *
 * @unlike_runtime _makepath: a NULL part is refused (a record, errno EINVAL,
 * path untouched) where _makepath takes it as empty, and a path longer than
 * 259 bytes is refused (ENAMETOOLONG) where _makepath writes whatever the
 * parts make, however long. */
void ml_makepath(char *path, const char *drive, const char *dir, const char *fname, const char *ext);

/** _wsplitpath: each part whose pointer is not NULL receives its UTF-8 text;
 * each such buffer must take 260 bytes. A NULL path splits as "". */
void ml_splitpath(const char *path, char *drive, char *dir, char *fname, char *ext);

/** _wsystem; -1 when the command does not convert (NULL included, so the
 * question whether a command interpreter exists is not asked).
 *
 * @unlike_runtime system: a NULL command gives -1 instead of telling whether a
 * command interpreter exists. */
int ml_system(const char *command);

/** Entry index of a wide argument vector, in UTF-8. With a NULL buffer, sets
 * *size to the bytes the entry needs with its zero and returns 0. Otherwise
 * converts into buffer (*size bytes) and returns the UTF-8 length; when it
 * does not fit (a *size of 0 included) it writes a record, sets *size to the
 * bytes needed and returns 0. 0 without a record when argv, its entry or
 * size is NULL. index must lie within the vector. */
int ml_getArgv(WCHAR *const *argv, int index, char *buffer, unsigned int *size);

/** _wspawnvp with a UTF-8 command name (or NULL) and UTF-8 arguments (or a
 * NULL vector). Each argument may take at most 1023 UTF-16 units; a longer
 * one, or a failed allocation, starts nothing and returns -1. As in the
 * runtime, the arguments are joined with spaces and not quoted. Returns the
 * runtime's result (the exit code with _P_WAIT). */
intptr_t ml_spawnvp(int mode, const char *cmdname, const char *const *argv);

/* ---- Operations of the library's own --------------------------------------- */

/** Copies a wide find record into msvcrt's narrow one with the name in
 * UTF-8 (260 bytes). The numbers are copied whatever the result; 1 or 0. */
int ml_ConvertFindData16to8(const ml_wfinddata_t *in, ml_finddata_t *out);

/** Bytes of the UTF-8 sequence that starts with *p, by its first byte alone:
 * 4 (0xF0-0xFF), 3 (0xE0-0xEF), 2 (0xC0-0xDF), else 1. */
int ml_GetUTF8CharBytes(const char *p);

/** Re-entrant strtok over bytes: the position lives in *context only. NULL
 * when there is no further token (or context, its position or delimiters is
 * NULL). */
char *ml_strtok_s(char *str, const char *delimiters, char **context);

/** Hexadecimal text up to a zero, '/', '\\' or ' '; 0xFFFFFFFF for any other
 * byte (or NULL). Wraps without a check; "" gives 0. */
unsigned long ml_hextoul(const char *text);

/** @{ */
/** value with at least 2, 4 or 10 digits ("%.2d", "%.4d", "%.10d"); 12 bytes
 * take every int. The buffer, or NULL when it is NULL. */
char *ml_itoa2(char *buffer, int value);
char *ml_itoa4(char *buffer, int value);
char *ml_itoa10(char *buffer, int value);
/** @} */

/** Bytes of a wide string without its zero; 0 for NULL. */
size_t ml_GetUTF16Bytes(const WCHAR *text);

/* ---- Formatted output --------------------------------------------------------- */

/** @{ */
/** Formatted output as the runtime's function of the same name (ml_vsnprintf:
 * _vsnprintf); the format and the text are UTF-8 bytes, passed on as they
 * are, but shown as characters on a console (see "Streams on a console" at
 * ml_fgetc; the text is then formatted first, on the stack or, past 1023
 * bytes, in a block freed before returning). Every member formats with msvcrt's own formatter,
 * whatever the program's C or C++ headers choose for printf, so one format
 * gives one text from each ("%e" of 12345.678 is "1.234568e+004"; %I64d is
 * understood). Returns the bytes written, negative on failure. */
int ml_printf(const char *format, ...);
int ml_fprintf(FILE *stream, const char *format, ...);
int ml_sprintf(char *buffer, const char *format, ...);
int ml_vprintf(const char *format, va_list args);
int ml_vfprintf(FILE *stream, const char *format, va_list args);
int ml_vsprintf(char *buffer, const char *format, va_list args);
int ml_vsnprintf(char *buffer, size_t count, const char *format, va_list args);
/** @} */

/* ---- Narrow pass-throughs: the runtime function of the same name ---------- */

/** @{ */
/** The runtime's string function of the same name (ml_stricmp: _stricmp),
 * on the UTF-8 bytes as they are. ml_strdup's copy is released with free. */
size_t ml_strlen(const char *str);
char *ml_strchr(const char *str, int c);
size_t ml_strcspn(const char *str, const char *reject);
char *ml_strncat(char *dest, const char *src, size_t count);
char *ml_strncpy(char *dest, const char *src, size_t count);
char *ml_strpbrk(const char *str, const char *accept);
char *ml_strrchr(const char *str, int c);
size_t ml_strspn(const char *str, const char *accept);
char *ml_strstr(const char *str, const char *sub);
char *ml_strtok(char *str, const char *delimiters);
int ml_stricmp(const char *a, const char *b);
int ml_strnicmp(const char *a, const char *b, size_t count);
char *ml_strnset(char *str, int c, size_t count);
char *ml_strset(char *str, int c);
int ml_strncmp(const char *a, const char *b, size_t count);
int ml_strcmp(const char *a, const char *b);
char *ml_strcat(char *dest, const char *src);
char *ml_strcpy(char *dest, const char *src);
char *ml_strdup(const char *str); /* release with free */
char *ml_strlwr(char *str);
char *ml_strupr(char *str);
/** @} */

/** @{ */
/** The runtime's stream function of the same name (ml_fdopen: _fdopen), on
 * the UTF-8 bytes as they are, except on a console.
 *
 * Streams on a console:
 * The stream members (ml_printf, ml_vprintf, ml_fprintf, ml_vfprintf,
 * ml_puts, ml_fputs, ml_putc, ml_fputc, ml_putchar, ml_fputchar, ml_perror,
 * ml_fwrite; ml_fgets, ml_fgetc, ml_getc, ml_getchar, ml_fgetchar, ml_gets,
 * ml_ungetc, ml_fread) read and write the bytes as they are on a file or a
 * pipe. On a console they work in its wide functions instead, leaving its
 * code pages and modes as they are:
 *
 * - Output shows the characters that the UTF-8 bytes encode. What the
 *   runtime holds for the stream is written first. A character split
 *   across calls (byte by byte with ml_putc, or a buffer that ends inside a
 *   sequence) is shown whole when its last byte arrives; each part of the
 *   bytes that is not UTF-8 shows as U+FFFD, and what follows is kept.
 *   A line break is written as CR LF, as in text mode. Results keep the
 *   runtime's convention (bytes or items written; EOF or a negative count
 *   on failure, with the stream's error indicator and errno set).
 * - Input gives the typed text in UTF-8; a line ends in "\n", and a read
 *   that begins with Ctrl+Z is the end of the input (EOF, the stream's
 *   end-of-file indicator set; the next read asks the console again). Bytes
 *   that a call does not take wait for the next: ml_fgets ends its text
 *   before a character that does not fit whole (unless it has none yet),
 *   and that character comes whole with the next read. Bytes that the
 *   runtime's own functions read into the stream's buffer before come first.
 *   The first console read of a descriptor allocates about 1.5 KB, kept for
 *   the process.
 * - A file or a pipe is told from a console by the runtime's own table of
 *   descriptors, without asking the platform: there a member costs what
 *   the runtime's function costs. Only a character device (a console, NUL)
 *   is asked on each call. Each stream's calls on a console are serialised
 *   by the runtime's own lock of the stream.
 *
 * @unlike_runtime printf, vprintf, fprintf, vfprintf, puts, fputs, putc, fputc, putchar,
 * _fputchar, perror and fwrite: on a console they show the characters that
 * the UTF-8 text encodes, where the A twins pass the bytes on and the
 * console shows one character per byte of its output code page (which UTF-8
 * mode does not change).
 * @unlike_runtime fgets, fgetc, getc, getchar, _fgetchar, gets, ungetc and fread: on a
 * console they give the typed text in UTF-8, where the A twins give it in
 * the console's input code page (and a zero byte for each character that is
 * not ASCII where that code page is UTF-8). */
int ml_fgetc(FILE *stream);
int ml_fgetchar(void);
char *ml_fgets(char *buffer, int count, FILE *stream);
int ml_fputc(int c, FILE *stream);
int ml_fputchar(int c);
int ml_fputs(const char *str, FILE *stream);
int ml_getc(FILE *stream);
int ml_getchar(void);
/** One line of standard input without its line break, like gets, but never
 * past the buffer: the buffer must hold ML_MAX_CHAR (2048) bytes. A line of
 * 2048 bytes or more is refused: it is read to its end and dropped, the
 * buffer holds "", errno is ERANGE and the result is NULL. From a console
 * the line is UTF-8, as ml_fgets reads it.
 *
 * @unlike_runtime gets: a line of 2048 bytes or more gives NULL and ERANGE, where
 * gets writes it whole whatever the buffer. */
char *ml_gets(char *buffer);
int ml_putc(int c, FILE *stream);
int ml_putchar(int c);
int ml_puts(const char *str);
int ml_ungetc(int c, FILE *stream);
FILE *ml_fdopen(int fd, const char *mode);
void ml_perror(const char *message);
/** @} */

/** @{ */
/** fwrite and fread: count items of size bytes. Return the items written or
 * read whole (a part of an item read before the end of the input is
 * consumed); 0 when size or count is 0. On a console they show and give
 * UTF-8 text as "Streams on a console" at ml_fgetc says: an item may end inside a
 * character, whose rest the next call brings. */
size_t ml_fwrite(const void *buffer, size_t size, size_t count, FILE *stream);
size_t ml_fread(void *buffer, size_t size, size_t count, FILE *stream);
/** @} */

/** @{ */
/** The runtime's number conversion of the same name (ml_itoa: _itoa). */
double ml_strtod(const char *str, char **end);
long ml_strtol(const char *str, char **end, int base);
unsigned long ml_strtoul(const char *str, char **end, int base);
char *ml_itoa(int value, char *buffer, int radix);
char *ml_ltoa(long value, char *buffer, int radix);
char *ml_ultoa(unsigned long value, char *buffer, int radix);
int ml_atoi(const char *str);
long ml_atol(const char *str);
long long ml_atoi64(const char *str);
char *ml_i64toa(long long value, char *buffer, int radix);
char *ml_ui64toa(unsigned long long value, char *buffer, int radix);
/** @} */

/** @{ */
/** The runtime's time function of the same name (ml_strdate: _strdate);
 * ml_ctime is msvcrt's ctime of the target's ml_time_t. */
char *ml_asctime(const struct tm *time);
char *ml_ctime(const ml_time_t *time); /* msvcrt's ctime of the target's time */
char *ml_strdate(char *buffer);
char *ml_strtime(char *buffer);
size_t ml_strftime(char *buffer, size_t size, const char *format, const struct tm *time);
/** @} */

/** @{ */
/** The runtime's character-class tests for the current locale. ml_isascii
 * is 1 for a value below 0x80 taken as unsigned, else 0. */
int ml_isascii(int c);
int ml_iscntrl(int c);
int ml_isxdigit(int c);
int ml_isalnum(int c);
int ml_isalpha(int c);
int ml_isdigit(int c);
int ml_isgraph(int c);
int ml_islower(int c);
int ml_isprint(int c);
int ml_ispunct(int c);
int ml_isspace(int c);
int ml_isupper(int c);
int ml_toupper(int c);
int ml_tolower(int c);
/** @} */

/** @{ */
/** The runtime's drive, search and descriptor function of the same name
 * with its underscore (ml_chsize: _chsize); ml_findclose closes the searches
 * of ml_findfirst, and ml_fstat fills the target's ml_stat_t. */
int ml_getdrive(void);
int ml_findclose(intptr_t handle);
int ml_chsize(int fd, long size);
long ml_filelength(int fd);
int ml_fstat(int fd, ml_stat_t *buffer);
int ml_isatty(int fd);
int ml_locking(int fd, int mode, long nbytes);
int ml_setmode(int fd, int mode);
/** @} */

/** @{ */
/** _wcslwr and wcslen on wide text, unconverted. */
wchar_t *ml_wcslwr(wchar_t *str);
size_t ml_wcslen(const wchar_t *str);
/** @} */

/** @} */

ML_EXTERN_C_END

#endif /* ML_GENERAL_H */
