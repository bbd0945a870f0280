/* Process and thread members of the Win32 face (module mlWin). */
#ifndef ML_WIN_PROCESS_AND_THREAD_H
#define ML_WIN_PROCESS_AND_THREAD_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

/* CreateProcessW with a UTF-8 application name, command line and current
 * folder (each may be NULL). From the narrow startup record only dwFlags,
 * the three standard handles and, with STARTF_USESHOWWINDOW, wShowWindow
 * are carried over; the rest reaches the child as zero. FALSE when a text
 * does not convert. The caller owns the handles in processInformation. */
BOOL ml_CreateProcess(const char *applicationName, const char *commandLine, LPSECURITY_ATTRIBUTES processAttributes,
                      LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                      LPVOID environment, const char *currentDirectory, LPSTARTUPINFOA startupInfo,
                      LPPROCESS_INFORMATION processInformation);

/* The process's command line in UTF-8, in a block of its UTF-8 size plus one
 * byte that the caller releases with free; NULL on failure. */
char *ml_GetCommandLine(void);

ML_EXTERN_C_END

#endif /* ML_WIN_PROCESS_AND_THREAD_H */
