/** @file
 * Common definitions of the MultiLanguage library: a UTF-8 face over the
 * wide (UTF-16) Win32 and C-runtime functions. Every ml_ function takes and
 * returns UTF-8 unless its comment says otherwise; buffer sizes are bytes. */
#ifndef ML_HEADER_H
#define ML_HEADER_H

#include <windows.h>
#include <stddef.h>

/** @defgroup conversion Encoding conversion
 * Conversions between UTF-8, UTF-16 and the ANSI or OEM code page. */

/** @defgroup log Failure log
 * The process-wide log that every member writes its failure records to. */

/** @defgroup profile Profile files
 * Profile (INI) files, their values, sections and structures, in UTF-8. */

/** @defgroup registry Registry
 * Registry keys and values with UTF-8 names and string data. */

/** @defgroup files Files, folders and paths
 * Files, folders, drives, volumes, device names and paths in UTF-8. */

/** @defgroup runtime Runtime library
 * The C runtime (msvcrt) with UTF-8 names, and its narrow pass-throughs. */

/** @defgroup processes Processes, synchronisation, environment and windows
 * Named objects, processes, modules, environment, system information,
 * console and windows in UTF-8. */

/** @defgroup accounts Accounts, network and time zone
 * Security, accounts, logon, network connections, host names and the time
 * zone in UTF-8. */

/** @defgroup services Services, event log and installation
 * Services, the event log and installer packages in UTF-8. */

#ifdef __cplusplus
/** Opens the library's declarations: extern "C" in C++, nothing in C. */
#define ML_EXTERN_C_BEGIN extern "C" {
/** Closes what ML_EXTERN_C_BEGIN opened. */
#define ML_EXTERN_C_END }
#else
#define ML_EXTERN_C_BEGIN
#define ML_EXTERN_C_END
#endif

/** @addtogroup conversion
 * @{ */

/** Largest buffer, in bytes, that the in-place conversions accept. */
#define ML_MAX_CHAR 2048

/** One conversion buffer: 4096 bytes, 2048 UTF-16 units. An argument whose
 * UTF-16 form needs more than 2048 units, terminator included, does not
 * convert (last error ERROR_INSUFFICIENT_BUFFER). */
#define ML_CONV_BUF_BYTES 4096
#define ML_CONV_BUF_UNITS 2048 /**< The conversion buffer in UTF-16 units. */

/** @} */

#endif /* ML_HEADER_H */
