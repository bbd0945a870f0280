/** @file
 * Console members of the Win32 face (module mlWin). */
#ifndef ML_WIN_CONSOLE_H
#define ML_WIN_CONSOLE_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

/** @addtogroup processes
 * @{ */

/** The console title in UTF-8 into buffer (size bytes). Returns its UTF-8
 * length; with a NULL buffer its UTF-8 size with the zero; the UTF-8 size
 * when it does not fit buffer (record); 0 when there is no title or console,
 * or the title needs 2048 UTF-16 units or more (record).
 *
 * @unlike_processes GetConsoleTitleA: a title that does not fit is not cut into the
 * buffer: the result is the UTF-8 size it needs, and the buffer holds no
 * usable text. */
DWORD ml_GetConsoleTitle(char *buffer, DWORD size);

/** SetConsoleTitleW of a UTF-8 title (required); FALSE when it does not convert. */
BOOL ml_SetConsoleTitle(const char *title);

/** @} */

ML_EXTERN_C_END

#endif /* ML_WIN_CONSOLE_H */
