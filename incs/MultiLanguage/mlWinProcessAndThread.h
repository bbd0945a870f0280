/** @file
 * Process and thread members of the Win32 face (module mlWin). */
#ifndef ML_WIN_PROCESS_AND_THREAD_H
#define ML_WIN_PROCESS_AND_THREAD_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

/** @addtogroup processes
 * @{ */

/** CreateProcessW with a UTF-8 application name, command line and current
 * folder (each may be NULL). From the narrow startup record only dwFlags,
 * the three standard handles and, with STARTF_USESHOWWINDOW, wShowWindow
 * are carried over; the rest reaches the child as zero. FALSE when a text
 * does not convert. The caller owns the handles in processInformation.
 *
 * @unlike_processes CreateProcessA: the start-up record's title, desktop, position,
 * size, console buffer size, fill attribute and reserved fields do not reach
 * the child, nor does an extended record's attribute list.
 * @unlike_processes CreateProcessA: the command line may need at most 2047 UTF-16
 * units, not 32,767 characters; a longer one gives FALSE and 122, and
 * nothing is started. */
BOOL ml_CreateProcess(const char *applicationName, const char *commandLine, LPSECURITY_ATTRIBUTES processAttributes,
                      LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                      LPVOID environment, const char *currentDirectory, LPSTARTUPINFOA startupInfo,
                      LPPROCESS_INFORMATION processInformation);

/** The process's command line in UTF-8, in a block of its UTF-8 size plus one
 * byte that the caller releases with free; NULL on failure.
 *
 * @unlike_processes GetCommandLineA: every call makes a new copy, which the caller
 * frees, instead of pointing at the process's own string; it can fail. */
char *ml_GetCommandLine(void);

/** Splits a UTF-8 command line into its arguments by the rules of
 * CommandLineToArgvW, which it calls; *argc receives their count.
 *
 * The command line may take up to 32767 UTF-16 units, as long as a
 * process's own can be, so `ml_CommandLineToArgv(line, &argc)` with `line`
 * from ml_GetCommandLine() gives main the UTF-8 argv that a POSIX program
 * expects. An empty command line gives the program's path, as the platform
 * does.
 *
 * Returns one block, as the platform's: argc pointers and a closing NULL,
 * followed by the UTF-8 texts they point at; the caller releases it with
 * LocalFree. NULL when the command line does not convert (NULL, text that is
 * not UTF-8, or longer than 32767 units: records, last error as for any
 * argument), when the platform fails (argc NULL: its last error, no record)
 * or when the block cannot be allocated (a record, the platform's last
 * error). */
char **ml_CommandLineToArgv(const char *commandLine, int *argc);

ML_EXTERN_C_END

/** @} */

#endif /* ML_WIN_PROCESS_AND_THREAD_H */
