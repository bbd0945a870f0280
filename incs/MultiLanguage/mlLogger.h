/** @file
 * The process-wide failure log. Until a program opens it, each record is
 * replaced by the line "ml_Logger g_pFileLogger is NULL" on standard error
 * (standard output is left to the program; a GUI program shows neither). */
#ifndef ML_LOGGER_H
#define ML_LOGGER_H

#include "mlHeader.h"
#include <stdio.h>

ML_EXTERN_C_BEGIN

/** @addtogroup log
 * @details
 * Where records go before the log is opened: mlLogger.h.
 * @{ */

/** The log's stream: NULL (closed), ML_LOGGER_OPENING (being opened, not a
 * stream) or the open stream. */
extern FILE *volatile g_pFileLogger;
#define ML_LOGGER_OPENING ((FILE *)255) /**< g_pFileLogger while the log is being opened. */

/** Serialises the printing of records; initialised by the log's opening. */
extern CRITICAL_SECTION g_csFileLogger;

/** Appends one record: a line with the local date, time, milliseconds and
 * year, then a line with one space and the formatted UTF-8 message (cut to
 * 2047 bytes, at a character boundary). The last error and errno are left
 * as they were. */
void ml_Logger(const char *format, ...);

/** Opens the log: "mlLog.txt" in the UTF-8 folder (which must exist; it is
 * not created), appended to, with the UTF-8 byte-order mark at the start of
 * a new file. Returns 1 when open; 0 with a message on standard output when
 * folder is NULL, the log is already open or being opened, the path does
 * not fit 520 bytes or the file cannot be opened (a later call may retry).
 * Call once, before other threads write records. The file stays open. */
int ml_LoggerInit(const char *folder);

/** ml_LoggerInit of the folder named after the program (its file name up to
 * the first full stop) inside "Ardenfold" of the common application-data
 * folder. 0 with a message when that folder cannot be derived. */
int ml_LoggerInitNoParm(void);

/** @} */

ML_EXTERN_C_END

#endif /* ML_LOGGER_H */
