/* Synchronisation objects of the Win32 face (module mlWin). */
#ifndef ML_WIN_SYNCH_H
#define ML_WIN_SYNCH_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

/* CreateMutexW with a UTF-8 name or NULL (unnamed). NULL when the name does
 * not convert. A name that exists gives a handle to the existing mutex and
 * the last error ERROR_ALREADY_EXISTS; the caller owns the handle. */
HANDLE ml_CreateMutex(LPSECURITY_ATTRIBUTES attributes, BOOL initialOwner, const char *name);

ML_EXTERN_C_END

#endif /* ML_WIN_SYNCH_H */
