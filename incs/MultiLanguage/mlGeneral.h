/* The C runtime (msvcrt) with UTF-8 names (module mlGeneral). */
#ifndef ML_GENERAL_H
#define ML_GENERAL_H

#include "mlHeader.h"
#include <stdarg.h>

ML_EXTERN_C_BEGIN

/* _vsnprintf: at most count bytes. A text of exactly count bytes, or longer,
 * is left without a terminator (the result is count, or negative). */
int ml_snprintf(char *buffer, size_t count, const char *format, ...);

/* _wcreat of a UTF-8 path; -1 when it does not convert. The caller owns the
 * descriptor. */
int ml_creat(const char *path, int mode);

/* _waccess of a UTF-8 path (mode 0 existence, 2 write, 4 read, 6 both):
 * 0 when allowed, -1 otherwise or when the path does not convert. */
int ml_access(const char *path, int mode);

ML_EXTERN_C_END

#endif /* ML_GENERAL_H */
