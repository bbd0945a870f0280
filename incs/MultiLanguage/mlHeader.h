/* Common definitions of the MultiLanguage library: a UTF-8 face over the
 * wide (UTF-16) Win32 and C-runtime functions. Every ml_ function takes and
 * returns UTF-8 unless its comment says otherwise; buffer sizes are bytes. */
#ifndef ML_HEADER_H
#define ML_HEADER_H

#include <windows.h>
#include <stddef.h>

#ifdef __cplusplus
#define ML_EXTERN_C_BEGIN extern "C" {
#define ML_EXTERN_C_END }
#else
#define ML_EXTERN_C_BEGIN
#define ML_EXTERN_C_END
#endif

/* Largest buffer, in bytes, that the in-place conversions accept. */
#define ML_MAX_CHAR 2048

/* One conversion buffer: 4096 bytes, 2048 UTF-16 units. An argument whose
 * UTF-16 form needs more than 2048 units, terminator included, does not
 * convert (last error ERROR_INSUFFICIENT_BUFFER). */
#define ML_CONV_BUF_BYTES 4096
#define ML_CONV_BUF_UNITS 2048

#endif /* ML_HEADER_H */
